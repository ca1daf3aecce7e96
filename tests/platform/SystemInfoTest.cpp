#include "platform/SystemInfo.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/TestEnv.h"

namespace quill::platform {
namespace {

// Sets or clears an environment variable for one scope.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvOverride() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

using SystemInfoTest = test::TempWorldTest;

TEST_F(SystemInfoTest, DataRootPrefersQuillData) {
    EnvOverride data("QUILL_DATA", world.path("data").c_str());
    EXPECT_EQ(DataRoot(), world.path("data/"));
}

TEST_F(SystemInfoTest, DataRootWithoutQuillData) {
    EnvOverride data("QUILL_DATA", nullptr);
    EnvOverride xdg("XDG_DATA_HOME", world.path("xdg").c_str());
    EnvOverride home("HOME", world.path("home").c_str());
    // an installed site serves every user; root always works on it
    if (::geteuid() == 0 || std::filesystem::is_directory(SiteDataRoot)) {
        EXPECT_EQ(DataRoot(), "/var/lib/quill/");
        return;
    }
    EXPECT_EQ(DataRoot(), world.path("xdg/quill/"));
    EnvOverride relative("XDG_DATA_HOME", "relative");
    EXPECT_EQ(DataRoot(), world.path("home/.local/share/quill/"));
}

TEST(SystemInfo, ComputerNameIsAShortSingleLabel) {
    const std::string name = ComputerName();
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 15u);
    EXPECT_EQ(name.find('.'), std::string::npos);
}

TEST(SystemInfo, ComputerNameFromEnvironment) {
    EnvOverride name("QUILL_COMPUTER_NAME", "ENGINE2");
    EXPECT_EQ(ComputerName(), "ENGINE2");
    EnvOverride longName("QUILL_COMPUTER_NAME", "ENGINE-OF-THE-NORTH-PLANT");
    EXPECT_EQ(ComputerName(), "ENGINE-OF-THE-N") << "cut like a host name";
}

TEST(SystemInfo, ExecutableFolderHoldsThisTest) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
}

}  // namespace
}  // namespace quill::platform
