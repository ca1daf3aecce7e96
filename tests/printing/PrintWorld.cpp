#include "printing/PrintWorld.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/Vocabularies.h"
#include "support/QtGuiEnvironment.h"

namespace quill::test {

namespace fs = std::filesystem;

namespace {

QUILL_TEST_GUI_APPLICATION("printing_tests");


}  // namespace

PrintWorldTest::PrintWorldTest() : savedSettings_(Settings) {
    ResetModeTable();
    fs::create_directories(designFolder());
}

PrintWorldTest::~PrintWorldTest() { Settings = savedSettings_; }

void PrintWorldTest::writeDesign(const std::string& name, const std::string& objects, int rows, int cols) const {
    std::ostringstream design;
    design << "[Design]\nFormatVersion=1\n[Label]\nWidth=120\nHeight=60\n"
           << "[Layout]\nnRows=" << rows << "\nnCols=" << cols << "\n" << objects;
    world.writeFile("designs/" + name + ".lbl", design.str());
    world.writeFile("designs/" + name + ".lbp", "[Printer]\nFormatVersion=1\nName=PDF\n");
}

void PrintWorldTest::writeTextDesign(const std::string& name, const std::vector<std::string>& variables) const {
    std::ostringstream objects;
    for (std::size_t i = 0; i < variables.size(); ++i) {
        const std::string& variable = variables[i];
        objects << "[Object" << i + 1 << "]\nType=Text\nX=2\nY=" << 2 + i * 4
                << "\nWidth=116\nHeight=4\nFontSize=7\nContents=" << variable << "={" << variable << "}\n";
    }
    writeDesign(name, objects.str());
}

TLabelRecord PrintWorldTest::makeRecord(TMode mode, const std::string& design, int amount,
                                        const std::map<int, std::string>& values) const {
    TLabelRecord record;
    record.Mode = mode;
    record.Amount = amount;
    record.Design = design;
    record.DesignFolder = designFolder();
    const std::vector<TField>& vocabulary = quill::Mode(mode).Fields;
    for (std::size_t i = 0; i < vocabulary.size(); ++i) {
        const auto value = values.find(static_cast<int>(i));
        record.AppendField(&vocabulary[i].Name, vocabulary[i].Type == "Text" ? KindText : KindBarcode,
                           value == values.end() ? "" : value->second);
    }
    return record;
}

std::vector<std::string> PrintWorldTest::pdfFiles() const {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(world.path("pdf"), ec))
        if (entry.path().extension() == ".pdf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string PrintWorldTest::pdfText(const std::string& pdf) const {
    const std::string out = world.path("pdftext.txt");
    if (RunCommand("pdftotext -layout '" + pdf + "' '" + out + "'") != 0) return {};
    std::ifstream in(out, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string PrintWorldTest::onlyPdfText() const {
    const std::vector<std::string> files = pdfFiles();
    EXPECT_EQ(files.size(), 1u);
    return files.size() == 1 ? pdfText(files.front()) : std::string();
}

}  // namespace quill::test
