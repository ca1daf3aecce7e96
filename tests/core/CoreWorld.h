#pragma once
// A private world with the core started up in it, as one program would.
#include <string>

#include "core/UGlobals.h"
#include "support/TestEnv.h"

namespace quill::test {

class CoreTest : public TempWorldTest {
protected:
    // Starts the core in the program folder under the given identity.
    void StartUp(const std::string& title = "QuillEngine");
    // Makes QUILL.INI with `text` in the program folder (the INI backend).
    void WriteQuillIni(const std::string& text);
    std::string ProgramFile(const std::string& name) const { return world.programFolder() + name; }
    void TearDown() override;
};

}  // namespace quill::test
