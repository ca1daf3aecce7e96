// QuillPrint's design lists with 500 designs: the first fill, which makes
// every sketch, a refill, which finds them made, and the start of the main
// window up to its first list shown (sketches made).
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ScratchSite.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "print_app/FSelectDesigns.h"
#include "print_app/FSideMenuPrint.h"

namespace {

namespace fs = std::filesystem;

constexpr int Designs = 500;

// A scratch site whose Manual folder holds 500 copies of the example design.
struct TWorld {
    TWorld() {
        const std::string folder = MakeScratchSite("list");
        setenv("QUILL_PROGRAM_FOLDER", (folder + "/program/").c_str(), 1);
        fs::create_directories(folder + "/program");
        std::ofstream(folder + "/program/QUILL.INI") << "[USER]\nVisible=1\n";
        designs = folder + "/data/labels/designs/User/";
        fs::create_directories(designs);
        const fs::path example = fs::path(QUILL_SOURCE_DIR) / "examples/designs/User/Address";
        for (int i = 0; i < Designs; ++i) {
            const std::string base = designs + "Design" + std::to_string(1000 + i);
            fs::copy_file(example.string() + ".lbl", base + ".lbl");
            fs::copy_file(example.string() + ".lbp", base + ".lbp");
        }
        app = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName("QuillPrint");
        quill::Folders.AppTitle = "QuillPrint";
    }
    void DeleteSketches() const {
        for (const auto& entry : fs::directory_iterator(designs)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".lbv" || extension == ".bmp" || extension == ".jpg") fs::remove(entry.path());
        }
    }

    std::string designs;
    int argc = 1;
    char name[20] = "DesignListBench";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

TWorld& World() {
    static TWorld world;
    return world;
}

// The core started as QuillPrint starts it.
struct TCore {
    TCore() { quill::InitializeGlobals(); }
    ~TCore() { quill::FinalizeGlobals(); }
};

// The Manual list of the scratch site.
struct TManualList {
    TWorld& world = World();
    TCore core;
    quill::TfrmSelectDesignUser list{nullptr};
};

void FirstFill(benchmark::State& state) {
    TManualList manual;
    for (auto _ : state) {
        state.PauseTiming();
        manual.world.DeleteSketches();
        state.ResumeTiming();
        benchmark::DoNotOptimize(manual.list.DesignsFillList(false));
    }
    state.SetItemsProcessed(state.iterations() * Designs);
}

void Refill(benchmark::State& state) {
    TManualList manual;
    manual.list.DesignsFillList(false);
    for (auto _ : state) benchmark::DoNotOptimize(manual.list.DesignsFillList(false));
    state.SetItemsProcessed(state.iterations() * Designs);
}

// From creating the main window to its first list filled and shown.
void StartToFirstList(benchmark::State& state) {
    World();
    for (auto _ : state) {
        quill::TfrmSideMenuPrint window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.DesignList(quill::TMode::Manual)->HasDesigns());
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(FirstFill)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Refill)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToFirstList)->Unit(benchmark::kMillisecond);
