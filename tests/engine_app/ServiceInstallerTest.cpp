// INSTALL and UNINSTALL through the real program. systemd is not running
// here, and the machine's user and group database is not the test's to
// change, so QUILL_SYSTEMCTL, QUILL_GROUPADD and QUILL_USERADD point at a
// script that records its arguments instead (the one fake of these tests).
#include "engine_app/ServiceInstaller.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "EngineAppWorld.h"
#include "core/Startup.h"
#include "platform/RegistryStore.h"

namespace quill::test {
namespace {

class ServiceInstall : public EngineAppTest {
protected:
    void SetUp() override {
        EngineAppTest::SetUp();
        setenv("QUILL_UNIT_DIR", world.path("units").c_str(), 1);
        for (const char* command : {"systemctl", "useradd", "groupadd"}) {
            const std::string calls = world.path(std::string(command) + ".calls");
            world.writeFile(command, "#!/bin/sh\necho \"$*\" >> '" + calls + "'\n");
            std::filesystem::permissions(world.path(command), std::filesystem::perms::owner_exec,
                                         std::filesystem::perm_options::add);
        }
        // a group no machine has, so that groupadd is asked for it
        setenv("QUILL_SITE_GROUP", "quill-test-site", 1);
        setenv("QUILL_SYSTEMCTL", world.path("systemctl").c_str(), 1);
        setenv("QUILL_GROUPADD", world.path("groupadd").c_str(), 1);
        setenv("QUILL_USERADD", world.path("useradd").c_str(), 1);
    }
    void TearDown() override {
        for (const char* name :
             {"QUILL_UNIT_DIR", "QUILL_SYSTEMCTL", "QUILL_GROUPADD", "QUILL_USERADD", "QUILL_SITE_GROUP"})
            unsetenv(name);
    }
    std::string unit() const { return world.readFile("units/QuillService.service"); }
    bool unitExists() const { return std::filesystem::exists(world.path("units/QuillService.service")); }
    std::optional<platform::RegValue> imagePath() const {
        return platform::RegistryStore(platform::RegistryStore::DefaultPath()).ReadValue(ServiceRegistryKey, "ImagePath");
    }
    std::string calls() const { return world.readFile("systemctl.calls"); }
};

class InstallSwitch : public ServiceInstall, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(InstallSwitch, WritesAndRemovesTheUnitAndTheProgramPath) {
    const EngineResult installed = run({GetParam().first});
    ASSERT_EQ(installed.code, 0) << installed.error;
    ASSERT_TRUE(unitExists());
    const std::string binary = std::filesystem::canonical(EngineBinary()).string();
    const std::string text = unit();
    EXPECT_NE(text.find("ExecStart=\"" + binary + "\" --service\n"), std::string::npos) << text;
    EXPECT_NE(text.find("WorkingDirectory=" + world.path("data/") + "\n"), std::string::npos) << text;
    for (const char* line : {"User=quill\n", "Group=quill-test-site\n", "SupplementaryGroups=lp\n", "UMask=0002\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    EXPECT_NE(text.find("Restart=on-failure\n"), std::string::npos);
    EXPECT_NE(text.find("KillSignal=SIGTERM\n"), std::string::npos);
    EXPECT_NE(text.find("Environment=\"QUILL_REGISTRY=" + world.path("registry.db") + "\"\n"), std::string::npos);
    EXPECT_NE(text.find("WantedBy=multi-user.target\n"), std::string::npos);
    ASSERT_TRUE(imagePath());
    EXPECT_EQ(imagePath()->text, binary);
    EXPECT_EQ(calls(), "daemon-reload\nenable QuillService.service\n");
    EXPECT_EQ(world.readFile("groupadd.calls"), "--system quill-test-site\n");
    if (!getpwnam("quill")) {
        EXPECT_EQ(world.readFile("useradd.calls"),
                  "--system --gid quill-test-site --groups lp --home-dir " + world.path("data") +
                      " --no-create-home --shell /usr/sbin/nologin quill\n");
    }
    struct stat st {};
    ASSERT_EQ(stat(world.path("data/program").c_str(), &st), 0) << "the site's folders are made";
    EXPECT_EQ(st.st_mode & 02070, 02070u) << "group-writable and setgid";

    const EngineResult removed = run({GetParam().second});
    ASSERT_EQ(removed.code, 0) << removed.error;
    EXPECT_FALSE(unitExists());
    EXPECT_FALSE(imagePath());
    EXPECT_FALSE(platform::RegistryStore(platform::RegistryStore::DefaultPath()).KeyExists(ServiceRegistryKey));
    EXPECT_EQ(calls(), "daemon-reload\nenable QuillService.service\ndisable --now QuillService.service\ndaemon-reload\n");
}

std::string SwitchCaseName(const ::testing::TestParamInfo<InstallSwitch::ParamType>& info) {
    constexpr const char* names[] = {"Dash", "Slash", "Backslash", "MixedCase"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(AnyCaseAnyPrefix, InstallSwitch,
                         ::testing::Values(std::pair{"-install", "-uninstall"}, std::pair{"/Install", "/Uninstall"},
                                           std::pair{"\\INSTALL", "\\UNINSTALL"}, std::pair{"-iNsTaLl", "\\UnInStAlL"}),
                         SwitchCaseName);

TEST_F(ServiceInstall, InstallingTwiceRewritesTheUnit) {
    world.writeFile("units/QuillService.service", "stale");
    ASSERT_EQ(run({"/install"}).code, 0);
    ASSERT_EQ(run({"/install"}).code, 0);
    EXPECT_EQ(unit().find("stale"), std::string::npos);
    EXPECT_EQ(CountOf(unit(), "ExecStart="), 1);
}

TEST_F(ServiceInstall, UninstallingWhatIsNotInstalledSaysSo) {
    const EngineResult result = run({"-uninstall"});
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.output.find("QuillService was not installed"), std::string::npos) << result.output;
}

TEST_F(ServiceInstall, FailingSystemctlFailsTheInstall) {
    world.writeFile("systemctl", "#!/bin/sh\nexit 1\n");
    const EngineResult result = run({"-install"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.error.find("daemon-reload failed"), std::string::npos) << result.error;
}

TEST_F(ServiceInstall, EmptySystemctlSkipsTheCalls) {
    setenv("QUILL_SYSTEMCTL", "", 1);
    const EngineResult result = run({"-install"});
    EXPECT_EQ(result.code, 0) << result.error;
    EXPECT_TRUE(unitExists());
    EXPECT_NE(result.output.find("skipped systemctl enable QuillService.service"), std::string::npos) << result.output;
}

TEST(ServiceUnitText, QuotesWhatUnitFilesWouldReadOtherwise) {
    unsetenv("QUILL_DATA");
    unsetenv("QUILL_REGISTRY");
    unsetenv("QUILL_PDF_DIR");
    unsetenv("QUILL_PROGRAM_FOLDER");
    const std::string text = ServiceUnitText("/opt/my \"q\" 100%/quill-engine");
    EXPECT_NE(text.find("ExecStart=\"/opt/my \\\"q\\\" 100%%/quill-engine\" --service\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Environment="), std::string::npos);
}

}  // namespace
}  // namespace quill::test
