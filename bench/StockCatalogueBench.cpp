// The label designer's stock catalogue: reading Debian's label products
// when a designer window opens, and one search as the user types.
#include <benchmark/benchmark.h>

#include "designer/StockCatalogue.h"

namespace {

using quill::designer::StockCatalogue;

void LoadCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        StockCatalogue catalogue;
        catalogue.Load(StockCatalogue::DefaultTemplatesFolder(), {});
        benchmark::DoNotOptimize(catalogue.Stocks().data());
    }
}
BENCHMARK(LoadCatalogue)->Unit(benchmark::kMillisecond);

void SearchCatalogue(benchmark::State& state, const char* text) {
    StockCatalogue catalogue;
    catalogue.Load(StockCatalogue::DefaultTemplatesFolder(), {});
    for (auto _ : state) benchmark::DoNotOptimize(catalogue.Search(QString::fromLatin1(text)));
}
BENCHMARK_CAPTURE(SearchCatalogue, OneLetter, "a")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchCatalogue, TwoWords, "avery 63.5")->Unit(benchmark::kMillisecond);

}  // namespace
