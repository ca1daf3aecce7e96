#pragma once
// A temporary world for printing tests: a design folder whose designs print
// to the built-in PDF printer, label records built the way the label-file
// reader builds them, and the text of the PDF files the jobs wrote.
#include <map>
#include <string>
#include <vector>

#include "core/LabelRecord.h"
#include "core/UGlobals.h"
#include "support/TestEnv.h"

namespace quill::test {

class PrintWorldTest : public TempWorldTest {
protected:
    PrintWorldTest();
    ~PrintWorldTest() override;

    std::string designFolder() const { return world.path("designs/"); }

    // Writes <name>.lbl with the given object sections (after the label,
    // page and layout sections) and <name>.lbp naming the PDF printer.
    void writeDesign(const std::string& name, const std::string& objects, int rows = 1, int cols = 1) const;
    // A design with one text object per variable, each printing "name=value".
    void writeTextDesign(const std::string& name, const std::vector<std::string>& variables) const;

    // Every position of the mode's vocabulary, kinds as the reader sets them,
    // values from `values` (empty elsewhere).
    TLabelRecord makeRecord(TMode mode, const std::string& design, int amount,
                            const std::map<int, std::string>& values = {}) const;

    std::vector<std::string> pdfFiles() const;   // in the PDF printer's folder, sorted
    std::string pdfText(const std::string& pdf) const;
    // The text of the one PDF file the job wrote.
    std::string onlyPdfText() const;

private:
    TSettings savedSettings_;
};

}  // namespace quill::test
