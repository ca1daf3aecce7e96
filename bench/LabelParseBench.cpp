// How fast label lines become records, and what one queued copy of a record
// costs. Targets on one core: 500,000 Corvane lines/s, 50,000 DirectORS
// lines/s, a queued copy under one microsecond.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/Vocabularies.h"
#include "engine/LabelLineParsers.h"

namespace quill {
namespace {

const std::string kDesignFolder = "/var/lib/quill/labels/designs/Corvan/";

// amount, design, design number, then `valueCount` values of 6 to 10 characters
std::string LabelLine(const std::string& firstValue, int valueCount) {
    std::string line = "2,CRV,7," + firstValue;
    for (int i = 1; i < valueCount; ++i) line += ",Value" + std::to_string(i * 37);
    return line;
}

// The reader's loop for one line: clear the working record, parse into it.
void ParseLines(benchmark::State& state, TMode mode, const std::string& line) {
    const std::vector<TField> vocabulary = BuildVocabulary(mode);
    TLabelRecord record;
    for (auto _ : state) {
        ClearLabelRecord(record);
        record.DesignFolder = kDesignFolder;
        ParseLabelLine(mode, line, vocabulary, ',', record);
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}

void CorvaneLines(benchmark::State& state) { ParseLines(state, TMode::Corvane, LabelLine("P01", 74)); }
BENCHMARK(CorvaneLines);

// "P2" carries all 495 values
void DirectOrsLines(benchmark::State& state) { ParseLines(state, TMode::DirectORS, LabelLine("P2", 495)); }
BENCHMARK(DirectOrsLines);

// One copy as a print task stores it: a record of a parsed line, copied by value.
void QueuedCopy(benchmark::State& state, TMode mode, int valueCount) {
    const std::vector<TField> vocabulary = BuildVocabulary(mode);
    TLabelRecord record;
    record.DesignFolder = kDesignFolder;
    record.LocationName = "North";
    ParseLabelLine(mode, LabelLine("P2", valueCount), vocabulary, ',', record);
    for (auto _ : state) {
        TLabelRecord copy = record;
        copy.Amount = 1;
        benchmark::DoNotOptimize(copy);
    }
    state.counters["bytes"] = static_cast<double>(sizeof(TLabelRecord));
}

void QueuedCopyCorvane(benchmark::State& state) { QueuedCopy(state, TMode::Corvane, 74); }
BENCHMARK(QueuedCopyCorvane);

void QueuedCopyDirectOrs(benchmark::State& state) { QueuedCopy(state, TMode::DirectORS, 495); }
BENCHMARK(QueuedCopyDirectOrs);

}  // namespace
}  // namespace quill
