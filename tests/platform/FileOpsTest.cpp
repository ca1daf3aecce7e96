#include "platform/FileOps.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "support/TestEnv.h"

namespace quill::platform {
namespace {

using test::TempWorldTest;

std::vector<std::string> Names(const std::vector<FileEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

using FileOpsListTest = TempWorldTest;

TEST_F(FileOpsListTest, PatternIgnoresCaseAndIncludesDotFiles) {
    for (const char* name : {"X.LBL", ".hidden.lbl", "a.lbl", "a.lbl.bak", "alb", "b.lb"})
        world.writeFile("in/" + std::string(name), "1");
    EXPECT_EQ(Names(ListFiles(world.path("in"), "*.lbl")),
              (std::vector<std::string>{".hidden.lbl", "X.LBL", "a.lbl"}));
    EXPECT_EQ(Names(ListFiles(world.path("in/"), "*.LbL")),
              (std::vector<std::string>{".hidden.lbl", "X.LBL", "a.lbl"}));
}

TEST_F(FileOpsListTest, StarDotStarListsEverythingButDotEntries) {
    world.writeFile("in/README", "");
    world.writeFile("in/a.txt", "");
    ASSERT_TRUE(CreateFolders(world.path("in/sub")));
    const auto entries = ListFiles(world.path("in"), "*.*");
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"README", "a.txt", "sub"}));
    const auto sub = std::find_if(entries.begin(), entries.end(), [](const FileEntry& e) { return e.name == "sub"; });
    EXPECT_TRUE(sub->isFolder);
}

TEST_F(FileOpsListTest, EntriesCarrySizeAndWriteTime) {
    world.writeFile("in/f.lbl", "12345");
    const timespec times[2] = {{0, UTIME_OMIT}, {1700000000, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, world.path("in/f.lbl").c_str(), times, 0), 0);
    const auto entries = ListFiles(world.path("in"), "*");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].isFolder);
    EXPECT_EQ(entries[0].size, 5);
    EXPECT_EQ(entries[0].lastWriteNs, 1700000000123456789LL);
    EXPECT_EQ(LastWriteTimeNs(world.path("in/f.lbl")), 1700000000123456789LL);
    EXPECT_EQ(LastWriteTimeNs(world.path("in/none")), std::nullopt);
}

TEST_F(FileOpsListTest, MissingFolderGivesEmptyList) {
    EXPECT_TRUE(ListFiles(world.path("nowhere"), "*").empty());
}

TEST(MatchesPatternTest, WildcardTable) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"abc.lbl", "*.lbl", true},      {"ABC.LBL", "*.lbl", true},     {"abc.lbl", "*.LBL", true},
        {"abc.lblx", "*.lbl", false},    {"abc.lbl.lbl", "*.lbl", true}, {"lbl", "*.lbl", false},
        {"a1.lbl", "a?.lbl", true},      {"a.lbl", "a?.lbl", false},     {"a12.lbl", "a?.lbl", false},
        {"anything", "*", true},         {"noext", "*.*", true},         {"abc", "abc.*", true},
        {"abc.d", "abc.*", true},        {"abcd", "abc.*", false},       {"x.tmp", "*.", false},
        {"PC07.txt", "pc07.TXT", true},  {"ab", "a*b*", true},           {"axbxc", "a*b*c", true},
        {"axbxd", "a*b*c", false},       {"aaa", "a*a*a*a", false},      {"", "*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

using FileOpsRenameTest = TempWorldTest;

TEST_F(FileOpsRenameTest, RefusesExistingTargetAndKeepsBothFiles) {
    world.writeFile("a.lbl", "source");
    world.writeFile("b.txt", "target");
    EXPECT_FALSE(RenameNoReplace(world.path("a.lbl"), world.path("b.txt")));
    EXPECT_EQ(world.readFile("a.lbl"), "source");
    EXPECT_EQ(world.readFile("b.txt"), "target");
}

TEST_F(FileOpsRenameTest, MovesToFreeNameInAnotherFolder) {
    world.writeFile("in/a.lbl", "source");
    ASSERT_TRUE(CreateFolders(world.path("out")));
    EXPECT_TRUE(RenameNoReplace(world.path("in/a.lbl"), world.path("out/PC.txt")));
    EXPECT_FALSE(FileExists(world.path("in/a.lbl")));
    EXPECT_EQ(world.readFile("out/PC.txt"), "source");
    EXPECT_FALSE(RenameNoReplace(world.path("in/a.lbl"), world.path("out/again.txt")));
}

// Another process that holds `path` open, appending a byte every 50 ms when
// `keepWriting`, until it is stopped.
class Writer {
public:
    Writer(const std::string& path, bool keepWriting) {
        int control[2];
        if (::pipe(control) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(control[1]);
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            bool ok = fd >= 0 && ::write(fd, "x", 1) == 1;
            pollfd stop{control[0], POLLIN, 0};
            while (ok && ::poll(&stop, 1, 50) == 0) ok = !keepWriting || ::write(fd, "x", 1) == 1;
            ::close(fd);
            ::_exit(ok ? 0 : 1);
        }
        ::close(control[0]);
        stop_ = control[1];
        for (int i = 0; i < 500 && Size(path) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~Writer() { Stop(); }

    // Closes the file in the other process; its exit status (0 = all written).
    int Stop() {
        if (pid_ <= 0) return status_;
        ::close(stop_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return status_;
    }

private:
    static off_t Size(const std::string& path) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_size : 0;
    }
    pid_t pid_ = -1;
    int stop_ = -1;
    int status_ = -1;
};

bool LeasesWork(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    const bool ok = ::fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
    ::fcntl(fd, F_SETLEASE, F_UNLCK);
    ::close(fd);
    return ok;
}

using FileInUseTest = TempWorldTest;

TEST_F(FileInUseTest, InUseWhileAnotherProcessWritesAndFreeAfterItCloses) {
    const std::string file = world.path("slow.lbl");
    Writer writer(file, true);
    EXPECT_TRUE(IsFileInUse(file, 300));
    EXPECT_TRUE(IsFileChanging(file, 300));
    EXPECT_EQ(writer.Stop(), 0);
    EXPECT_FALSE(IsFileInUse(file, 300));
    EXPECT_FALSE(IsFileChanging(file, 300));
}

TEST_F(FileInUseTest, IdleHolderStillCountsWhereLeasesWork) {
    const std::string file = world.path("idle.lbl");
    world.writeFile("idle.lbl", "");
    if (!LeasesWork(file)) GTEST_SKIP() << "file leases not available here";
    Writer writer(file, false);
    EXPECT_TRUE(IsFileInUse(file, 100));
    writer.Stop();
    EXPECT_FALSE(IsFileInUse(file, 100));
}

TEST_F(FileInUseTest, UntouchedAndMissingFilesAreFree) {
    world.writeFile("done.lbl", "finished");
    EXPECT_FALSE(IsFileInUse(world.path("done.lbl"), 100));
    EXPECT_FALSE(IsFileInUse(world.path("missing.lbl"), 100));
}

using FileOpsAttributeTest = TempWorldTest;

TEST_F(FileOpsAttributeTest, ReadOnlyMeansAllWriteBitsClear) {
    const std::string file = world.path("f.ini");
    world.writeFile("f.ini", "x");
    ASSERT_EQ(::chmod(file.c_str(), 0020), 0);  // only the group may write
    EXPECT_FALSE(IsReadOnly(file));
    ASSERT_TRUE(SetReadOnly(file, true));
    EXPECT_TRUE(IsReadOnly(file));  // even for root, who could still write it
    ASSERT_TRUE(SetReadOnly(file, false));
    EXPECT_FALSE(IsReadOnly(file));
    EXPECT_FALSE(IsReadOnly(world.path("missing.ini")));
}

TEST_F(FileOpsAttributeTest, ExistenceDistinguishesFilesAndFolders) {
    world.writeFile("d/f", "");
    EXPECT_TRUE(FileExists(world.path("d/f")));
    EXPECT_FALSE(FolderExists(world.path("d/f")));
    EXPECT_TRUE(FolderExists(world.path("d")));
    EXPECT_FALSE(FileExists(world.path("d")));
    EXPECT_TRUE(DeleteFile(world.path("d/f")));
    EXPECT_FALSE(FileExists(world.path("d/f")));
    EXPECT_FALSE(DeleteFile(world.path("d/f")));
}

TEST_F(FileOpsAttributeTest, FoldersAndCurrentDirectory) {
    EXPECT_TRUE(CreateFolders(world.path("a/b/c")));
    EXPECT_TRUE(CreateFolders(world.path("a/b/c")));  // already there
    world.writeFile("file", "");
    EXPECT_FALSE(CreateFolders(world.path("file/sub")));
    ASSERT_TRUE(SetCurrentDirectory(world.path("a/b/")));
    EXPECT_EQ(CurrentDirectory() + "/", world.path("a/b/"));
    EXPECT_FALSE(SetCurrentDirectory(world.path("missing")));
}

using FileOpsLookupTest = TempWorldTest;

TEST_F(FileOpsLookupTest, FindsNameWithoutRegardToCase) {
    world.writeFile("designs/AB07.lbl", "");
    world.writeFile("designs/cd.lbl", "");
    world.writeFile("designs/CD.lbl", "");
    const std::string folder = world.path("designs/");
    EXPECT_EQ(FindCaseInsensitive(folder, "ab07.lbl"), folder + "AB07.lbl");
    EXPECT_EQ(FindCaseInsensitive(world.path("designs"), "ab07.LBL"), folder + "AB07.lbl");
    EXPECT_EQ(FindCaseInsensitive(folder, "cd.lbl"), folder + "cd.lbl");  // exact spelling wins
    EXPECT_EQ(FindCaseInsensitive(folder, "Cd.lbl"), folder + "CD.lbl");  // same choice every time
    EXPECT_EQ(FindCaseInsensitive(folder, "none.lbl"), folder + "none.lbl");
}

using FileOpsContentTest = TempWorldTest;

TEST_F(FileOpsContentTest, WriteThenReadKeepsEveryByte) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>(i % 256);
    EXPECT_FALSE(WriteWholeFile(world.path("out/data.bin"), bytes));  // folder missing
    ASSERT_TRUE(CreateFolders(world.path("out")));
    ASSERT_TRUE(WriteWholeFile(world.path("out/data.bin"), bytes));
    EXPECT_EQ(ReadWholeFile(world.path("out/data.bin")), bytes);
    ASSERT_TRUE(WriteWholeFile(world.path("out/data.bin"), "short"));
    EXPECT_EQ(ReadWholeFile(world.path("out/data.bin")), "short");
    EXPECT_EQ(Names(ListFiles(world.path("out"), "*")), std::vector<std::string>{"data.bin"});  // no temp left
}

TEST_F(FileOpsContentTest, ReplacedFileKeepsItsPermissionsOwnerAndLink) {
    world.writeFile("real/p.ini", "old");
    ASSERT_EQ(::chmod(world.path("real/p.ini").c_str(), 0604), 0);
    // another owner and group only root can give; as anyone else, our own
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? 65534 : ::getegid();
    ASSERT_EQ(::chown(world.path("real/p.ini").c_str(), owner, group), 0);
    ASSERT_EQ(::symlink(world.path("real/p.ini").c_str(), world.path("p.ini").c_str()), 0);

    ASSERT_TRUE(WriteWholeFile(world.path("p.ini"), "new"));
    struct stat st {};
    ASSERT_EQ(::lstat(world.path("p.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
    ASSERT_EQ(::stat(world.path("real/p.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(world.readFile("real/p.ini"), "new");
}

TEST_F(FileOpsContentTest, ReadOnlyTargetIsNotReplaced) {
    world.writeFile("ro.ini", "keep");
    ASSERT_TRUE(SetReadOnly(world.path("ro.ini"), true));
    EXPECT_FALSE(WriteWholeFile(world.path("ro.ini"), "lost"));
    EXPECT_EQ(world.readFile("ro.ini"), "keep");
}

TEST_F(FileOpsContentTest, UnreadablePathsGiveNothing) {
    EXPECT_EQ(ReadWholeFile(world.path("missing")), std::nullopt);
    EXPECT_EQ(ReadWholeFile(world.root()), std::nullopt);
    world.writeFile("empty", "");
    EXPECT_EQ(ReadWholeFile(world.path("empty")), "");
}

}  // namespace
}  // namespace quill::platform
