// QuillPrint's printing windows, offscreen, on the example Manual design:
// a keystroke in a field until its sketch is on the screen, a preview of
// 100 labels until its first page is drawn, and a text file of 100,000
// lines read into the grid.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ScratchSite.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "labelrender/WindowHooks.h"
#include "print_app/FPrintLabels.h"
#include "print_app/FPrintLabelsUseFile.h"
#include "printing/DesignSketch.h"
#include "ui/FPreview.h"

namespace {

namespace fs = std::filesystem;

struct TWorld {
    TWorld() {
        folder = MakeScratchSite("print");
        setenv("QUILL_PDF_DIR", (folder + "/pdf").c_str(), 1);
        setenv("CUPS_SERVER", (folder + "/no-cups.sock").c_str(), 1);
        app = std::make_unique<QApplication>(argc, argv);
        designs = folder + "/data/labels/designs/User/";
        fs::create_directories(designs);
        for (const char* file : {"Address.lbl", "Address.lbp"})
            fs::copy_file(std::string(QUILL_SOURCE_DIR "/examples/designs/User/") + file, designs + file);
        quill::Folders.AppTitle = "QuillPrint";
        quill::InitializeGlobals();
    }
    ~TWorld() { fs::remove_all(folder); }
    int argc = 1;
    char name[16] = "bench";
    char* argv[2] = {name, nullptr};
    std::string folder, designs;
    std::unique_ptr<QApplication> app;
};

TWorld& World() {
    static TWorld world;
    return world;
}

// One key into the name field, until the sketch on the screen changed.
void KeystrokeToSketch(benchmark::State& state) {
    TWorld& world = World();
    quill::TfrmPrintLabels window;
    window.SetDesign("Address.lbl", world.designs, world.folder + "/data/labels/User/");
    window.show();
    QTest::qWaitFor([&] { return !window.SketchView()->pixmap().isNull(); }, 5000);
    QLineEdit* field = window.FieldEdit(1);
    int typed = 0;
    for (auto _ : state) {
        const qint64 before = window.SketchView()->pixmap().cacheKey();
        QTest::keyClick(field, static_cast<char>('a' + typed++ % 26));
        QTest::qWaitFor([&] { return window.SketchView()->pixmap().cacheKey() != before; }, 5000);
    }
}
BENCHMARK(KeystrokeToSketch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The sketch alone: what the 230 ms pause is followed by.
void SketchOnly(benchmark::State& state) {
    TWorld& world = World();
    quill::TLabelRecord record;
    for (auto _ : state) {
        quill::CreateSketch(quill::TMode::Manual, world.designs, world.designs, record, "Address.lbl");
        quill::ConvertSketch(world.designs, "Address.lbl");
        benchmark::DoNotOptimize(QImage(QString::fromStdString(world.designs + "Address.bmp")));
    }
}
BENCHMARK(SketchOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Preview" with a range of 100 until the preview window has drawn its first page.
void PreviewOf100Labels(benchmark::State& state) {
    TWorld& world = World();
    quill::TfrmPrintLabels window;
    window.SetDesign("Address.lbl", world.designs, world.folder + "/data/labels/User/");
    window.show();
    window.BarcodeRangeBox()->setChecked(true);
    window.AmountEdit()->setText("100");
    quill::ui::InstallPreviewWindowHook();
    for (auto _ : state) {
        // the window is closed as soon as it has painted: the time to the first page
        QTimer::singleShot(0, [] {
            QWidget* preview = QApplication::activeModalWidget();
            preview->grab();
            preview->close();
        });
        window.btnPreviewClick();
    }
    quill::labelrender::InstallPreviewWindow({});
}
BENCHMARK(PreviewOf100Labels)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void ReadTextFile(benchmark::State& state) {
    TWorld& world = World();
    const std::string path = world.folder + "/big.txt";
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < state.range(0); ++i)
            out << "0001" << i << ";;Customer " << i << ";Street " << i << ";Town;Country;Room " << i % 40 << "\r\n";
    }
    quill::TfrmPrintLabelsUseFile window;
    window.SetDesign("Address.lbl", world.designs, world.folder + "/data/labels/User/");
    window.show();
    for (auto _ : state) {
        window.ReadFile(path);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadTextFile)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace


