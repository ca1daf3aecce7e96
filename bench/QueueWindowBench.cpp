// The queue window with 1,000 rows: one full repaint of the list, and rows
// arriving and changing far faster than a person reads (each added, then
// given its printed status), with the window shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <memory>
#include <string>

#include "ScratchSite.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "engine/EngineCore.h"
#include "engine_app/FEngine.h"

namespace {

constexpr int Rows = 1000;

// An engine over a scratch data root, its queue window shown offscreen.
struct TWorld {
    TWorld() {
        MakeScratchSite("queue");
        app = std::make_unique<QApplication>(argc, argv);
        quill::Folders.AppTitle = "QuillEngine";
        quill::InitializeGlobals();
        quill::Settings.UseDirMonitorFlag = false;
        core = std::make_unique<quill::TEngineCore>();
        window = std::make_unique<quill::TfrmEngine>(*core);
        window->resize(900, 600);
        window->show();
        QApplication::processEvents();
    }
    void AddRows() {
        auto& rows = core->Rows();
        for (int id = 1; id <= Rows; ++id) {
            const std::string design = "Design" + std::to_string(id % 97);
            rows.AddQueueRow(id, quill::TMode::Corvane, "", design, "0/24", "New printer task", quill::TRowStatus::Pending);
            rows.UpdateQueueRows(id, "24/24", "Printed to PDF", quill::TRowStatus::Printed);
        }
    }

    int argc = 1;
    char name[20] = "QueueWindowBench";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    std::unique_ptr<quill::TEngineCore> core;
    std::unique_ptr<quill::TfrmEngine> window;
};

TWorld& World() {
    static TWorld world;
    return world;
}

void RepaintThousandRows(benchmark::State& state) {
    TWorld& world = World();
    world.core->Rows().RemovePrinted();
    world.AddRows();
    QApplication::processEvents();
    QWidget* viewport = world.window->List()->viewport();
    for (auto _ : state) viewport->repaint();
}
BENCHMARK(RepaintThousandRows)->Unit(benchmark::kMillisecond);

void ThousandRowsArrive(benchmark::State& state) {
    TWorld& world = World();
    for (auto _ : state) {
        world.AddRows();
        QApplication::processEvents();  // the window catches up and paints
        state.PauseTiming();
        world.core->Rows().RemovePrinted();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(ThousandRowsArrive)->Unit(benchmark::kMillisecond);

}  // namespace
