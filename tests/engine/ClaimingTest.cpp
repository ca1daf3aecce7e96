// Claiming label files from a hostile or failing world: entries that are no
// regular files, files too large, writers that pause where no write lease
// can be had, work files left by a crashed engine, and a crash in the
// middle of a large file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <thread>

#include "EngineCoreWorld.h"
#include "platform/FileOps.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class ClaimingTest : public test::EngineCoreTest {
protected:
    // Labels printed with `value` ("P=<value>", not a longer value).
    static int printedCount(const std::string& text, const std::string& value) {
        int count = 0;
        const std::string token = "P=" + value;
        for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + 1))
            if (at + token.size() == text.size() || !std::isalnum(static_cast<unsigned char>(text[at + token.size()])))
                ++count;
        return count;
    }
    // The type of the one entry in `folder`, seen without following a link.
    static fs::file_type typeIn(const std::string& folder) {
        std::vector<fs::file_type> types;
        for (const auto& entry : fs::directory_iterator(folder)) types.push_back(entry.symlink_status().type());
        return types.size() == 1 ? types[0] : fs::file_type::none;
    }
};

// Root may take a lease on any file (CAP_LEASE); without it, only on its
// own. Dropping it from this thread's effective set (the engine's ticks run
// here) makes the kernel refuse leases on a file another user owns, as it
// does for every engine that does not run as root.
class WithoutLeaseCapability {
public:
    WithoutLeaseCapability() {
        header_ = {_LINUX_CAPABILITY_VERSION_3, 0};
        ok_ = ::syscall(SYS_capget, &header_, saved_) == 0;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[CAP_LEASE / 32].effective &= ~(1u << (CAP_LEASE % 32));
        ok_ = ok_ && ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutLeaseCapability() {
        if (ok_) ::syscall(SYS_capset, &header_, saved_);
    }
    bool ok() const { return ok_; }

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool ok_ = false;
};

TEST_F(ClaimingTest, EntriesThatAreNoRegularFilesGoToErrorUnread) {
    makeEngine("LogMode=1\n");
    writeDesign("C01");
    world.writeFile("outside/secret.txt", "1,C,01,SECRET\r\n");
    const std::string folder = labelFolder();
    struct Entry {
        const char* name;
        fs::file_type type;
        std::function<bool(const std::string&)> make;
    };
    const std::vector<Entry> entries = {
        {"link-outside.lbl", fs::file_type::symlink,
         [&](const std::string& p) { return ::symlink(world.path("outside/secret.txt").c_str(), p.c_str()) == 0; }},
        {"link-zero.lbl", fs::file_type::symlink,
         [](const std::string& p) { return ::symlink("/dev/zero", p.c_str()) == 0; }},
        {"fifo.lbl", fs::file_type::fifo, [](const std::string& p) { return ::mkfifo(p.c_str(), 0666) == 0; }},
        {"device.lbl", fs::file_type::character,
         [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0; }},
        {"socket.lbl", fs::file_type::socket,
         [](const std::string& p) {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             if (p.size() >= sizeof address.sun_path) return false;
             p.copy(address.sun_path, p.size());
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(fd);
             return bound;
         }},
    };
    // The engine must not hang on any of them.
    ::alarm(60);
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.name);
        const std::string path = folder + entry.name;
        if (!entry.make(path)) {
            std::cerr << "cannot make " << entry.name << " here; not tried\n";
            continue;
        }
        fs::remove_all(folder + "Error");
        fs::create_directories(folder + "Error");
        const std::string log = logText();
        core->CheckIncomingTimerTimer();
        EXPECT_FALSE(fs::exists(fs::symlink_status(path))) << "taken from the label folder";
        EXPECT_EQ(typeIn(folder + "Error"), entry.type) << "filed as it was";
        EXPECT_NE(logText().substr(log.size()).find(std::string(entry.name) + " is "), std::string::npos) << logText();
        EXPECT_NE(logText().substr(log.size()).find("not a regular file: moved to Error unread"), std::string::npos);
    }
    writeLabelFile("after.lbl", "1,C,01,AFTER\r\n");
    core->Drain();
    ::alarm(0);
    const std::string text = allPdfText();
    EXPECT_EQ(text.find("SECRET"), std::string::npos) << "a link's target is never read";
    EXPECT_NE(text.find("P=AFTER"), std::string::npos) << "the engine goes on";
    EXPECT_EQ(world.readFile("outside/secret.txt"), "1,C,01,SECRET\r\n");
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 1u);
}

TEST_F(ClaimingTest, LabelFileLargerThanTheLimitGoesToErrorUnprinted) {
    makeEngine("LogMode=1\nMaxLabelFileMB=1\n");
    writeDesign("C01");
    std::string text;
    while (text.size() <= (1u << 20)) text += "1,C,01,BIG\r\n";
    writeLabelFile("big.lbl", text);
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(filesIn(labelFolder() + "Error").size(), 1u);
    EXPECT_EQ(core->CollectedCopies(), 0);
    EXPECT_TRUE(pdfFiles().empty());
    EXPECT_NE(logText().find("is larger than 1048576 bytes"), std::string::npos) << logText();
}

// A host that writes 10 labels, pauses, writes 10 more and closes, on an
// engine that gets no lease: with monitors, only the close lets the file be
// claimed; without them, a quiet period of two seconds.
struct PausingWriter {
    const char* name;
    const char* ini;
    const char* pause;
};

class HalfWrittenTest : public ClaimingTest, public ::testing::WithParamInterface<PausingWriter> {};

TEST_P(HalfWrittenTest, FileIsClaimedOnlyWhenItsWriterIsDone) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the file to another user";
    makeEngine(std::string("PrintDelayMinutes=60\n") + GetParam().ini);
    writeDesign("C01", 20, 1);
    const WithoutLeaseCapability noLease;
    ASSERT_TRUE(noLease.ok());
    core->Start();
    const std::string path = labelFolder() + "slow.lbl";
    std::string half;
    for (int n = 0; n < 10; ++n) half += "1,C,01,V" + std::to_string(n) + "\\r\\n";
    std::string rest;
    for (int n = 10; n < 20; ++n) rest += "1,C,01,V" + std::to_string(n) + "\\r\\n";
    ASSERT_EQ(test::RunCommand("(exec 3>'" + path + "'; printf '" + half + "' >&3; sleep " + GetParam().pause +
                               "; printf '" + rest + "' >&3) &"),
              0);
    ASSERT_TRUE(test::WaitForFile(path, 5));
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_EQ(platform::AskWriteLease(path), platform::LeaseAnswer::Unavailable) << "the engine gets no lease";
    for (int i = 0; i < 200 && filesIn(labelFolder() + "Backup").empty(); ++i) test::Pump(100);
    core->Shutdown();
    ASSERT_EQ(filesIn(labelFolder() + "Backup").size(), 1u);
    const std::string text = allPdfText();
    for (int n = 0; n < 20; ++n) EXPECT_EQ(printedCount(text, "V" + std::to_string(n)), 1) << n << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(Writers, HalfWrittenTest,
                         ::testing::Values(PausingWriter{"MonitorSeesTheClose", "UseDirMonitor=1\n", "3"},
                                           PausingWriter{"QuietPeriod", "", "1.5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClaimingTest, WorkFileThatAppearsWhileRunningIsReadAtTheNextTick) {
    makeEngine("LogMode=1\n");
    writeDesign("C01");
    core->Start();
    // Another engine of this computer name crashed while it read this file.
    writeLabelFile(Folders.WorkFileName, "1,C,01,ORPHAN\r\n");
    writeLabelFile("next.lbl", "1,C,01,NEXT\r\n");
    core->CheckIncomingTimerTimer();
    EXPECT_NE(allPdfText().find("P=ORPHAN"), std::string::npos);
    EXPECT_NE(logText().find("Work file " + labelFolder() + Folders.WorkFileName), std::string::npos) << logText();
    core->CheckIncomingTimerTimer();
    EXPECT_NE(allPdfText().find("P=NEXT"), std::string::npos) << "the folder is not blocked";
    EXPECT_TRUE(filesIn(labelFolder()).empty());
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 2u);
}

TEST_F(ClaimingTest, LeftoverJobFilesGoAtStartThoseInUseStay) {
    makeEngine();
    world.writeFile("pdf/.quill-job-AbC123", "%PDF half");
    world.writeFile("data/Temp/.quill-job-XyZ789", "%PDF half");
    world.writeFile("pdf/.quill-job-InUse1", "%PDF being written");
    const int held = ::open(world.path("pdf/.quill-job-InUse1").c_str(), O_WRONLY);
    core->Start();
    ::close(held);
    EXPECT_EQ(filesIn(world.path("pdf")), std::vector<std::string>{".quill-job-InUse1"});
    EXPECT_FALSE(fs::exists(world.path("data/Temp/.quill-job-XyZ789")));
}

// Killed while it prints a file of 60 pages, the engine goes on after the
// last page that printed: no label twice but those of the page in flight.
TEST_F(ClaimingTest, KilledInTheMiddleOfALargeFileItGoesOnAfterTheLastPrintedPage) {
    StartUp();
    writeDesign("C01", 1, 2);
    constexpr int labels = 120;
    std::string text;
    for (int n = 0; n < labels; ++n) text += "1,C,01,L" + std::to_string(1000 + n) + "\r\n";
    writeLabelFile("large.lbl", text);
    const int pid = test::SpawnSelf("EngineChild.DISABLED_CollectThenWait",
                                    {"QUILL_CHILD_PROGRAM=" + world.programFolder(), "QUILL_CHILD_FILES=1",
                                     "QUILL_CHILD_MARKER=" + world.path("done")});
    ASSERT_GT(pid, 0);
    for (int i = 0; i < 6000 && pdfFiles().size() < 8; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const std::size_t before = pdfFiles().size();
    ASSERT_LT(before, static_cast<std::size_t>(labels / 2)) << "killed too late to tell";
    ASSERT_TRUE(fs::exists(labelFolder() + Folders.WorkFileName));

    core = std::make_unique<TEngineCore>();
    core->Start();
    core->Shutdown();
    const std::string printed = allPdfText();
    int duplicates = 0;
    for (int n = 0; n < labels; ++n) {
        const int count = printedCount(printed, "L" + std::to_string(1000 + n));
        EXPECT_GE(count, 1) << n;
        duplicates += std::max(0, count - 1);
    }
    EXPECT_LE(duplicates, 2) << "more than the page in flight printed twice (" << before << " pages before the kill)";
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 1u);
}

}  // namespace
}  // namespace quill
