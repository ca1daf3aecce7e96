#pragma once
// A private world for engine tests: the core started as "QuillEngine" with a
// QUILL.INI of the test's choosing, designs that print to the built-in PDF
// printer, label files written into the mode folders, and ways to look at
// what the engine left behind (PDFs, Backup and Error folders, the log).
#include <string>
#include <vector>

#include "core/UGlobals.h"
#include "support/TestEnv.h"

namespace quill::test {

class EngineTest : public TempWorldTest {
protected:
    // Starts the core with Corvane visible (monitors off unless `ini`
    // says otherwise); `ini` lines go into the [Quill] section.
    void StartUp(const std::string& ini = "", const std::string& extraSections = "");
    void TearDown() override;

    std::string labelFolder(TMode mode = TMode::Corvane) const;
    std::string designFolder(TMode mode = TMode::Corvane) const;
    // A design of `rows` × `cols` labels per page with one text object
    // printing the first Corvane value ("{ARTIKELNR}" style variables are
    // not needed: the text is the variable's value).
    void writeDesign(const std::string& name, int rows = 1, int cols = 1, TMode mode = TMode::Corvane) const;
    // Writes a label file into the mode's label folder; `ageSeconds` sets
    // its modification time back.
    std::string writeLabelFile(const std::string& name, const std::string& text, int ageSeconds = 10,
                               TMode mode = TMode::Corvane) const;

    std::vector<std::string> filesIn(const std::string& folder) const;  // names, sorted
    std::vector<std::string> pdfFiles() const;                         // paths, sorted
    std::string pdfText(const std::string& pdf) const;
    std::string allPdfText() const;
    std::string logText() const;
};

// Runs this test program again as a child process with `filter` (disabled
// tests included: the children's bodies are DISABLED_ tests) and the extra
// environment (NAME=value); returns its process id.
int SpawnSelf(const std::string& filter, const std::vector<std::string>& environment);
// Waits up to `seconds` for the file to exist.
bool WaitForFile(const std::string& path, double seconds);
// Pumps the Qt event loop for `ms`.
void Pump(int ms);

}  // namespace quill::test
