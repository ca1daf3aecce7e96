#include "engine_app/SettingsCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/UGlobals.h"
#include "platform/RegistryStore.h"
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

// Each key is stored with its own type, whatever was typed; a value that
// does not fit is refused and the stored one stays.
TEST_F(SettingsCommand, SetStoresEachKeyByItsType) {
    struct Case {
        std::vector<std::string> set;
        int code;
        platform::RegType type;
        std::string stored;   // in the registry; "" for none
    };
    const std::vector<Case> cases = {
        {{"LEGACY", "Visible", "1"}, 0, platform::RegType::DWord, "1"},
        {{"LEGACY", "Visible", "yes"}, 2, platform::RegType::DWord, "1"},
        {{"LEGACY", "Visible", "7"}, 0, platform::RegType::DWord, "1"},
        {{"LEGACY", "Visible", "0"}, 0, platform::RegType::DWord, "0"},
        {{"Quill", "Maxlabels", "12"}, 0, platform::RegType::DWord, "12"},
        {{"Quill", "Maxlabels", "5x"}, 2, platform::RegType::DWord, "12"},
        {{"Quill", "Maxlabels", "6", "--type", "string"}, 2, platform::RegType::DWord, "12"},
        {{"Quill", "LastBarcode", "00000042"}, 0, platform::RegType::String, "00000042"},
        {{"Quill", "LastBarcode", "7", "--type", "integer"}, 2, platform::RegType::String, "00000042"},
        {{"Quill", "UseDirMonitor", "0"}, 0, platform::RegType::DWord, "0"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"set"};
        args.insert(args.end(), c.set.begin(), c.set.end());
        EXPECT_EQ(Run(args), c.code) << c.set[1] << "=" << c.set[2] << ": " << err.str();
        const std::string key = c.set[0] == "Quill" ? "SOFTWARE\\Vek\\Quill" : "SOFTWARE\\Vek\\Quill\\" + c.set[0];
        const auto value = platform::RegistryStore(world.path("registry.db")).ReadValue(key, c.set[1]);
        ASSERT_TRUE(value) << c.set[1];
        EXPECT_EQ(value->type, c.type) << c.set[1];
        EXPECT_EQ(value->type == platform::RegType::DWord ? std::to_string(value->dword) : value->text, c.stored)
            << c.set[1] << "=" << c.set[2];
    }
    world.writeFile("prog/QUILL.INI", "[LEGACY]\nVisible=0\n");
    EXPECT_EQ(Run({"set", "LEGACY", "Visible", "-1"}), 0);
    EXPECT_EQ(Run({"set", "LEGACY", "Visible", "on"}), 2);
    EXPECT_EQ(world.readFile("prog/QUILL.INI"), "[LEGACY]\nVisible=1\n");
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
