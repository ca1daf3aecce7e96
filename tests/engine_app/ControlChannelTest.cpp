// The running engine's control channel with a real headless engine and
// real clients: rows and state in order, each command once, a client that
// stops reading, a second engine, and who may connect.
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include <QElapsedTimer>
#include <QJsonArray>

#include "ControlWorld.h"
#include "engine/ControlProtocol.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

constexpr int ManualIndex = 2;

TEST_F(ControlTest, RowsAndStateArriveInOrderAndStatusShowsThem) {
    startService();
    Subscriber watcher;
    ASSERT_TRUE(watcher.Subscribe(socketPath()));
    EXPECT_TRUE(watcher.snapshot["rows"].toArray().isEmpty());
    dropManualFile("USR1.txt", "Sheet", {"alpha", "beta"});
    ASSERT_TRUE(Until([&] { return watcher.RowEvents().size() == 3; }));
    dropManualFile("USR2.txt", "Missing", {"gamma"});
    ASSERT_TRUE(Until([&] { return watcher.LastState().value("errorFiles").toInt() == 1; }));

    const std::vector<std::string> expected = {
        "rowAdded Sheet 0/4 New printer",       "rowChanged Sheet 1/4 Labels added",
        "rowChanged Sheet 2/4 Labels added",    "rowAdded Missing 0/1 New printer",
        "rowChanged Missing 1/1 Labels added",  "rowChanged Missing 1/1 Not printed."};
    EXPECT_EQ(watcher.RowEvents(), expected);
    const QJsonObject state = watcher.LastState();
    ASSERT_EQ(state["tasks"].toArray().size(), 1);
    const QJsonObject task = state["tasks"][0].toObject();
    EXPECT_EQ(task["design"], "Sheet");
    EXPECT_EQ(task["copies"], 2);
    EXPECT_EQ(task["capacity"], 4);
    EXPECT_EQ(state["lastError"]["design"], "Missing");
    EXPECT_EQ(state["program"], "QuillService");
    EXPECT_EQ(state["paused"], false);

    const QJsonObject json = status();
    ASSERT_EQ(json["rows"].toArray().size(), 2);
    EXPECT_EQ(json["rows"][0]["amount"], "2/4");
    EXPECT_EQ(json["rows"][1]["statusCode"], -1);
    EXPECT_EQ(json["state"]["errorFolders"][0]["mode"], "Manual");
    const EngineResult text = command({"--status"});
    EXPECT_EQ(text.code, 0);
    for (const char* line : {"QuillService 0.1.0 (process ", "): Checking for labels\n", "  Sheet (Manual): 2/4, collecting for ",
                             "Label files in Error folders: 1\n  Manual: 1\n", "Last error: ", "Queue rows: 2\n"})
        EXPECT_NE(text.output.find(line), std::string::npos) << line << "\n" << text.output;
}

TEST_F(ControlTest, EveryCommandHasItsEffectOnce) {
    startService();
    Subscriber watcher;
    ASSERT_TRUE(watcher.Subscribe(socketPath()));
    dropManualFile("USR1.txt", "Sheet", {"alpha", "beta"});
    ASSERT_TRUE(Until([&] { return watcher.RowEvents().size() == 3; }));

    for (int twice = 0; twice < 2; ++twice) {
        const EngineResult paused = command({"--pause"});
        EXPECT_EQ(paused.code, 0) << paused.error;
        EXPECT_EQ(paused.output, "Paused\n");
    }
    ASSERT_TRUE(Until([&] { return watcher.LastState()["paused"].toBool(); }));
    dropManualFile("USR3.txt", "Sheet", {"gamma"});
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    EXPECT_TRUE(fs::exists(world.path("data/labels/User/USR3.txt"))) << "paused, the engine takes nothing";
    EXPECT_EQ(command({"--resume"}).output, "Checking for labels\n");
    ASSERT_TRUE(Until([&] { return watcher.LastState()["collectedCopies"].toInt() == 3; }));

    EXPECT_EQ(command({"--print-now"}).output, "Print Now: 3 collected label(s) sent to print\n");
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_EQ(command({"--print-now"}).output, "There are no current printjobs...\n");
    EXPECT_EQ(pdfs().size(), 1u);

    // Clear Messages keeps only the printed row.
    dropManualFile("USR4.txt", "Missing", {"delta"});
    ASSERT_TRUE(Until([&] { return watcher.RowEvents().back() == "rowChanged Missing 1/1 Not printed."; }));
    std::string why;
    ASSERT_TRUE(watcher.client.Call(control::ClearMessages, {}, why)) << why;
    const QJsonArray rows = status()["rows"].toArray();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]["statusCode"], 0);

    // The retry dialog's work: paused while open, the file back, then running again.
    ASSERT_TRUE(Until([&] { return filesIn("data/labels/User/Error").size() == 1u; }));
    ASSERT_TRUE(watcher.client.Call(control::OpenDialog, {}, why)) << why;
    ASSERT_TRUE(Until([&] { return watcher.LastState()["paused"].toBool(); }));
    const auto counts = watcher.client.Call(control::CountLabels, {{"subfolder", "Error"}}, why);
    ASSERT_TRUE(counts) << why;
    EXPECT_EQ(counts->value("counts")[ManualIndex], 1);
    TModeFlags all{};
    all.fill(true);
    const auto done = watcher.client.Call(
        control::Batch, {{"action", "restore"}, {"modes", control::ModeFlagsToJson(all)}}, why);
    ASSERT_TRUE(done) << why;
    EXPECT_NE(done->value("summary").toString().indexOf("Manual mode: 1\n"), -1) << done->value("summary").toString().toStdString();
    EXPECT_TRUE(filesIn("data/labels/User/Error").empty());
    ASSERT_TRUE(watcher.client.Call(control::CloseDialog, {}, why)) << why;
    ASSERT_TRUE(Until([&] { return !watcher.LastState()["paused"].toBool(); }));
    EXPECT_TRUE(Until([&] { return filesIn("data/labels/User/Error").size() == 1u; })) << "taken again, failed again";
}

// Writes `count` status requests to a raw connection and never reads.
void FloodWithoutReading(const std::string& path, int count, std::atomic<bool>& ended) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return;
    const std::string request = "{\"id\":1,\"command\":\"status\"}\n";
    for (int n = 0; n < count; ++n)
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) < 0) break;
    // Still not reading: until the engine hangs up (or the test is over).
    pollfd watch{fd, POLLRDHUP, 0};
    while (!ended && ::poll(&watch, 1, 50) == 0) {
    }
    ::close(fd);
}

TEST_F(ControlTest, ClientThatStopsReadingIsDroppedAndTheTickKeepsItsPace) {
    startService();
    Subscriber watcher;
    ASSERT_TRUE(watcher.Subscribe(socketPath()));
    std::atomic<bool> ended{false};
    std::thread flood(FloodWithoutReading, socketPath(), 40000, std::ref(ended));
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> ticks;
    std::size_t seen = 0;
    const bool dropped = Until([&] {
        for (; seen < watcher.events.size(); ++seen)
            if (watcher.events[seen]["tick"].toBool()) ticks.push_back(clock.elapsed());
        return log().find("Control channel: a client was dropped: it does not read what it is sent") !=
                   std::string::npos &&
               clock.elapsed() > 5000;
    });
    ended = true;
    flood.join();
    ASSERT_TRUE(dropped) << log();
    ASSERT_GE(ticks.size(), 4u);
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_LT(ticks[i] - ticks[i - 1], 2000) << "tick " << i << " came late";
    EXPECT_TRUE(watcher.client.Connected()) << "the reading client stays";
}

TEST_F(ControlTest, SecondEngineCannotTakeTheSocketOverButAnEndedOnesSocketIsReplaced) {
    startService();
    const qint64 first = status()["state"]["pid"].toInteger();
    // Its own temporary folder (so its own single-instance lock), the same data root.
    world.writeFile("prog2/QUILL.INI", "[Quill]\nLogMode=3\nTempLocation=" + world.path("temp2/") + "\n");
    {
        EngineProcess second(world.root(), {"--program-folder", world.path("prog2/"), "--headless"});
        ASSERT_TRUE(second.waitForError("running headless")) << second.error();
        EXPECT_TRUE(Until([&] { return log().find("Control channel not opened: another engine serves") != std::string::npos; }))
            << log();
        EXPECT_EQ(status()["state"]["pid"].toInteger(), first);
        second.signal(SIGTERM);
        EXPECT_EQ(second.wait(), 0);
    }
    EXPECT_EQ(status()["state"]["pid"].toInteger(), first) << "the second engine's end leaves the socket alone";

    service->signal(SIGKILL);
    service->wait();
    ASSERT_TRUE(fs::exists(socketPath())) << "killed, the engine leaves its socket";
    startService();
    EXPECT_EQ(status()["state"]["pid"].toInteger(), service->pid());
}

// Who may reach the engine: a member of the data root's group, not others.
TEST_F(ControlTest, UserOutsideTheDataRootsGroupIsRefused) {
    const EngineResult none = command({"--status"});
    EXPECT_EQ(none.code, 4);
    EXPECT_NE(none.error.find("no engine is running"), std::string::npos) << none.error;
    if (::geteuid() != 0 || RunCommand("command -v setpriv >/dev/null") != 0) GTEST_SKIP() << "needs root and setpriv";

    startService();
    struct stat socket {};
    ASSERT_EQ(::stat(socketPath().c_str(), &socket), 0);
    EXPECT_EQ(socket.st_mode & 0777, 0660u);
    struct stat root {};
    ASSERT_EQ(::stat(world.path("data").c_str(), &root), 0);
    EXPECT_EQ(socket.st_gid, root.st_gid);
    ASSERT_EQ(::chmod(world.root().c_str(), 0711), 0);
    ASSERT_EQ(::chmod(world.path("data").c_str(), 0775), 0);
    struct TUser {
        std::string groups;
        int code;
        const char* says;
    };
    for (const TUser& user : {TUser{"--clear-groups", 5, "you may not reach the engine"},
                              TUser{"--groups=" + std::to_string(root.st_gid), 0, ""}}) {
        const std::string out = world.path("user.out");
        const int status = RunCommand("cd / && setpriv --reuid=nobody --regid=nogroup " + user.groups + " -- " +
                                      EngineBinary() + " --status >" + out + " 2>&1");
        EXPECT_EQ(status, user.code) << user.groups << ": " << world.readFile("user.out");
        EXPECT_NE(world.readFile("user.out").find(user.says), std::string::npos) << world.readFile("user.out");
    }
}

}  // namespace
}  // namespace quill::test
