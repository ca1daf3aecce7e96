// The label designer: opening the largest sample design to its first
// painted canvas, one frame of dragging an object on a design of 50
// objects (10 of them symbols), and saving.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "core/Vocabularies.h"
#include "designer/CanvasView.h"
#include "designer/EditOperations.h"
#include "designer/LabelDesigner.h"
#include "printing/PrintJob.h"

namespace {

using namespace quill;
using namespace quill::designer;

struct TWorld {
    TWorld() {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
        char root[] = "/tmp/quill-designer-bench-XXXXXX";
        folder = mkdtemp(root);
        app = std::make_unique<QApplication>(argc, argv);
        DefineDesignVariables(job, TMode::CorvaneORS, BuildVocabulary(TMode::CorvaneORS));
    }
    int argc = 1;
    char name[16] = "DesignerBench";
    char* argv[2] = {name, nullptr};
    std::string folder;
    std::unique_ptr<QApplication> app;
    labelrender::LabelJob job;
};

TWorld& World() {
    static TWorld world;
    return world;
}

void OpenToFirstPaint(benchmark::State& state) {
    TWorld& w = World();
    const std::string path = w.folder + "/A01.lbl";
    std::filesystem::copy_file(QUILL_SOURCE "/examples/designs/CorvaneORS/A01.lbl", path,
                               std::filesystem::copy_options::overwrite_existing);
    for (auto _ : state) {
        TfrmLabelDesigner window(w.job, path, "Label Designer");
        window.resize(1366, 768);
        window.show();
        window.canvasView().canvas().repaint();
    }
}
BENCHMARK(OpenToFirstPaint)->Unit(benchmark::kMillisecond);

// 40 texts and 10 Code 128 barcodes on an 100 x 150 mm label.
std::string FiftyObjects(const std::string& folder) {
    labelrender::Design design;
    design.geometry.labelWidth = labelrender::Length::mm(100);
    design.geometry.labelHeight = labelrender::Length::mm(150);
    for (int i = 0; i < 50; ++i) {
        auto object = i < 10 ? ObjectForVariable("Header.BarcodeIDCode", labelrender::VariableType::Barcode,
                                                 labelrender::Length::mm(2 + (i % 2) * 50), labelrender::Length::mm(2 + (i / 2) * 12))
                             : ObjectForVariable("Header.SetDescription", labelrender::VariableType::Text,
                                                 labelrender::Length::mm(2 + (i % 2) * 50), labelrender::Length::mm(62 + ((i - 10) / 2) * 4));
        design.objects.push_back(object);
    }
    const std::string path = folder + "/Fifty.lbl";
    design.Save(path);
    return path;
}

void DragFrame(benchmark::State& state) {
    TWorld& w = World();
    TfrmLabelDesigner window(w.job, FiftyObjects(w.folder), "Label Designer");
    window.resize(1366, 768);
    window.show();
    DesignCanvas& canvas = window.canvasView().canvas();
    canvas.SetZoom(2.0);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // one mouse step of a drag: the edit, then the canvas painted
        window.document().EditObjects({12}, "Move", 1, [&](DesignObject& o) {
            o.x = labelrender::Length::um(2000 + (++step % 100) * 100);
        });
        canvas.repaint();
    }
}
BENCHMARK(DragFrame)->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
    TWorld& w = World();
    DesignDocument document;
    document.Open(FiftyObjects(w.folder));
    int step = 0;
    for (auto _ : state) {
        document.EditObjects({3}, "Move", -1, [&](DesignObject& o) { o.y = labelrender::Length::um(1000 + ++step); });
        QString error;
        if (!document.Save(error)) state.SkipWithError("cannot save");
    }
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

}  // namespace
