#include "engine_app/SettingsCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/UGlobals.h"
#include "support/TestEnv.h"

namespace quill::test {
namespace {

class SettingsCommand : public TempWorldTest {
protected:
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        Folders = TFolders{};
        args.insert(args.begin(), {"--program-folder", world.programFolder()});
        return RunSettingsCommand(args, out, err);
    }
    std::ostringstream out, err;
};

// The same administrator session against either backend.
void ExerciseStore(std::ostringstream& out, const std::function<int(std::vector<std::string>)>& run) {
    EXPECT_EQ(run({"set", "Quill", "Debug", "1", "--type", "integer"}), 0);
    EXPECT_EQ(run({"set", "quill", "HelpLocation", "/opt/help"}), 0);
    EXPECT_EQ(run({"set", "CORVANE2", "Name", "North"}), 0);
    EXPECT_EQ(run({"get", "QUILL", "debug"}), 0);
    EXPECT_EQ(out.str(), "1\n");
    EXPECT_EQ(run({"get", "Quill", "HelpLocation"}), 0);
    EXPECT_EQ(out.str(), "/opt/help\n");
    EXPECT_EQ(run({"export"}), 0);
    EXPECT_NE(out.str().find("[Quill]\n"), std::string::npos);
    EXPECT_NE(out.str().find("Debug=1\n"), std::string::npos);
    EXPECT_NE(out.str().find("[CORVANE2]\nName=North\n"), std::string::npos);
    EXPECT_EQ(run({"delete", "Quill", "Debug"}), 0);
    EXPECT_EQ(run({"get", "Quill", "Debug"}), 1);
    EXPECT_EQ(run({"delete", "CORVANE2"}), 0);
    EXPECT_EQ(run({"get", "CORVANE2", "Name"}), 1);
    EXPECT_EQ(run({"set", "Quill", "Maxlabels", "5x", "--type", "integer"}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
}

TEST_F(SettingsCommand, WorksOnTheRegistryStore) {
    ExerciseStore(out, [this](auto args) { return Run(args); });
    EXPECT_EQ(Run({"backend"}), 0);
    EXPECT_EQ(out.str(), "Registry " + world.path("registry.db") + "\n");
}

TEST_F(SettingsCommand, WorksOnTheIniFile) {
    world.writeFile("prog/QUILL.INI", "; kept\n[Quill]\nLogMode=3\n");
    ExerciseStore(out, [this](auto args) { return Run(args); });
    EXPECT_EQ(Run({"backend"}), 0);
    EXPECT_EQ(out.str(), "INI file " + world.programFolder() + "QUILL.INI\n");
    EXPECT_EQ(world.readFile("prog/QUILL.INI").rfind("; kept\n[Quill]\nLogMode=3", 0), 0u);
}

TEST_F(SettingsCommand, DumpStartsUpAndShowsTheSettingsInEffect) {
    world.writeFile("prog/QUILL.INI", "[Quill]\nMaxlabels=4\n[CORVANE]\nVisible=1\n");
    EXPECT_EQ(Run({"dump"}), 0);
    EXPECT_NE(out.str().find("Maxlabels=4"), std::string::npos);
    EXPECT_NE(out.str().find("Corvane (served)"), std::string::npos);
    EXPECT_NE(out.str().find("Tamber (off)"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
