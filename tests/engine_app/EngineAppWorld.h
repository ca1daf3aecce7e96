#pragma once
// A private world for runs of the real quill-engine: data root, registry
// store, PDF folder and program folder in the test's temporary folder, no
// CUPS scheduler (so the built-in PDF printer is the default), and helpers
// for Manual-mode designs and label files.
#include <string>
#include <vector>

#include "EngineProcess.h"
#include "support/TestEnv.h"

namespace quill::test {

class EngineAppTest : public TempWorldTest {
protected:
    void SetUp() override;

    // Records the program folder as the installed service's, as INSTALL does.
    void registerService() const;
    // QUILL.INI in the program folder (the engine's start folder).
    void writeIni(const std::string& text) const { world.writeFile("prog/QUILL.INI", text); }
    // A Manual design of `rows` x 1 small labels printing the third value.
    void writeManualDesign(const std::string& name, int rows) const;
    // A Manual label file: one line per value, each one copy of `design`.
    void dropManualFile(const std::string& fileName, const std::string& design,
                        const std::vector<std::string>& values) const;

    std::vector<std::string> filesIn(const std::string& relativeFolder) const;
    std::vector<std::string> pdfs() const { return filesIn("pdf"); }
    // The monthly log and the trace file QUILLLOG.TXT of the temporary folder.
    std::string log() const;
    std::string trace() const { return world.readFile("data/Temp/QUILLLOG.TXT"); }

    EngineResult run(const std::vector<std::string>& args) const { return RunEngine(world.root(), args); }
};

}  // namespace quill::test
