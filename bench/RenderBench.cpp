// Prints one job of labels through LabelJob, the way the engine does: for
// every record of a CSV file, define its variables and call LlPrint. Driven
// by bench/render-vs-glabels.sh, which times this program from the outside
// exactly as it times glabels-3-batch on the same records, so both figures
// include start-up, reading the records and writing the PDF.
//
//   RenderBench <design.lbl> <records.csv>
//
// The first CSV line names the variables. Fields are split at commas with no
// quoting: the script writes values without commas. Output goes wherever
// LabelJob sends it; the script points QUILL_PDF_DIR at a scratch folder and
// CUPS_SERVER at nothing, so that is the built-in PDF printer.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Utilities.h"
#include "labelrender/LabelJob.h"

namespace lr = quill::labelrender;

namespace {

void SplitCsv(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    for (std::string_view field : quill::SplitAt(line, ',')) fields.emplace_back(field);
}

// Barcode and DataMatrix objects take any variable type; the types are
// given as a program defining such variables would give them.
lr::VariableType TypeOf(const std::string& name) {
    if (name == "BC") return lr::VariableType::Barcode;
    if (name == "DM") return lr::VariableType::DataMatrix;
    return lr::VariableType::Text;
}

int Fail(const char* step, int code, const lr::LabelJob& job) {
    std::fprintf(stderr, "RenderBench: %s failed (%d): %s\n", step, code, job.LastErrorMessage().c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <design.lbl> <records.csv>\n", argv[0]);
        return 2;
    }
    // fonts and the PDF writer need a QGuiApplication; no display is needed
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::ifstream records(argv[2]);
    std::string line;
    std::vector<std::string> names, values;
    if (!records || !std::getline(records, line)) {
        std::fprintf(stderr, "RenderBench: cannot read %s\n", argv[2]);
        return 1;
    }
    SplitCsv(line, names);
    std::vector<lr::VariableType> types;
    for (const std::string& name : names) types.push_back(TypeOf(name));

    const auto start = std::chrono::steady_clock::now();
    lr::LabelJob job;
    job.LlDefineVariableStart();
    // LlPrintStart checks that the design's variables are defined
    for (std::size_t i = 0; i < names.size(); ++i) job.LlDefineVariableExt(names[i], std::string(), types[i]);
    if (int rc = job.LlPrintStart(lr::LL_PROJECT_LABEL, argv[1], lr::LL_PRINT_NORMAL); rc != 0)
        return Fail("LlPrintStart", rc, job);

    long labels = 0;
    while (std::getline(records, line)) {
        if (line.empty()) continue;
        SplitCsv(line, values);
        if (values.size() != names.size()) {
            std::fprintf(stderr, "RenderBench: record %ld has %zu fields, expected %zu\n", labels + 1, values.size(),
                         names.size());
            job.LlPrintEnd();
            return 1;
        }
        for (std::size_t i = 0; i < names.size(); ++i) job.LlDefineVariableExt(names[i], values[i], types[i]);
        int rc = job.LlPrint();
        while (rc == lr::LL_WRN_REPEAT_DATA) rc = job.LlPrint();
        if (rc != 0) {
            Fail("LlPrint", rc, job);
            job.LlPrintEnd();
            return 1;
        }
        ++labels;
    }
    if (int rc = job.LlPrintEnd(); rc != 0) return Fail("LlPrintEnd", rc, job);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    // the job alone, without start-up: tells start-up cost apart from per-label cost
    std::printf("labels %ld job_seconds %.3f printer %s\n", labels, took.count(),
                job.LlPrintGetPrinterInfo().name.c_str());
    return 0;
}
