#include "CoreWorld.h"

#include <unistd.h>

#include "core/Startup.h"

namespace quill::test {

void CoreTest::StartUp(const std::string& title) {
    ASSERT_EQ(chdir(world.programFolder().c_str()), 0);
    Folders.AppTitle = title;
    InitializeGlobals();
}

void CoreTest::WriteQuillIni(const std::string& text) { world.writeFile("prog/QUILL.INI", text); }

void CoreTest::TearDown() {
    FinalizeGlobals();
    Folders = TFolders{};
}

}  // namespace quill::test
