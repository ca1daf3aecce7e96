// One site shared by the service and the desktop users of its group: the
// engine runs as root, a throwaway member of the site's group runs the
// settings command and writes labels, both against one site root. Needs
// root (to make the user and group, removed afterwards); skipped otherwise.
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <cctype>
#include <set>
#include <sstream>

#include "EngineAppWorld.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HaveCommand(const std::string& name) { return RunCommand("command -v " + name + " >/dev/null 2>&1") == 0; }

// Every site variable at the site's own default: data root, registry store,
// PDF folder and program folder all inside `<world>/data`.
class SiteTest : public EngineAppTest {
protected:
    void SetUp() override {
        EngineAppTest::SetUp();
        if (::geteuid() != 0) GTEST_SKIP() << "needs root: makes a throwaway user and group";
        for (const char* command : {"setpriv", "groupadd", "useradd", "userdel", "groupdel"})
            if (!HaveCommand(command)) GTEST_SKIP() << command << " is not installed";
        const std::string id = std::to_string(::getpid());
        group_ = "qsite" + id;
        user_ = "qsuser" + id;
        ASSERT_EQ(RunCommand("groupadd " + group_), 0);
        ASSERT_EQ(RunCommand("useradd --no-create-home --no-user-group --gid " + group_ +
                             " --shell /usr/sbin/nologin " + user_),
                  0);
        made_ = true;
        uid_ = ::getpwnam(user_.c_str())->pw_uid;
        gid_ = ::getgrnam(group_.c_str())->gr_gid;
        // the user must reach the site below the test's private folder
        ASSERT_EQ(::chmod(world.root().c_str(), 0711), 0);
        unsetenv("QUILL_REGISTRY");
        unsetenv("QUILL_PDF_DIR");
        unsetenv("QUILL_PROGRAM_FOLDER");
        setenv("QUILL_SITE_GROUP", group_.c_str(), 1);
        setenv("QUILL_UNIT_DIR", world.path("units").c_str(), 1);
        for (const char* command : {"QUILL_SYSTEMCTL", "QUILL_GROUPADD", "QUILL_USERADD"}) setenv(command, "", 1);
    }
    void TearDown() override {
        for (const char* name :
             {"QUILL_SITE_GROUP", "QUILL_UNIT_DIR", "QUILL_SYSTEMCTL", "QUILL_GROUPADD", "QUILL_USERADD"})
            unsetenv(name);
        if (!made_) return;
        RunCommand("userdel " + user_ + " 2>/dev/null");
        RunCommand("groupdel " + group_ + " 2>/dev/null");
    }

    // A shell command run as the user, with the user's own umask for files
    // it writes itself (as a desktop program of the site would).
    int asUser(const std::string& command) const {
        return RunCommand("cd / && setpriv --reuid=" + user_ + " --regid=" + group_ + " --init-groups -- sh -c " +
                          Quote("umask 002; " + command) + " >>" + Quote(world.path("user.out")) + " 2>&1");
    }
    int engineAsUser(const std::vector<std::string>& args) const {
        std::string command = Quote(EngineBinary());
        for (const auto& arg : args) command += " " + Quote(arg);
        return asUser(command);
    }
    std::string userOutput() const { return world.readFile("user.out"); }

    // What the root engine's settings command reads.
    std::string rootGet(const std::string& section, const std::string& key) const {
        const EngineResult got = run({"--settings", "get", section, key});
        return got.code == 0 ? got.output : "<" + got.error + ">";
    }

    std::string exceptionLog() const {
        std::string text;
        for (const auto& name : filesIn("data/Log"))
            if (name.find("QuillException_") != std::string::npos) text += world.readFile("data/Log/" + name);
        return text;
    }

    // Entries of the site root that a member of the group could not use as
    // its own: wrong group, folders not group-writable or not setgid, files
    // not group-readable and -writable.
    std::vector<std::string> notShared() const {
        std::vector<std::string> bad;
        const fs::path root = world.path("data");
        std::vector<fs::path> paths{root};
        for (const auto& entry : fs::recursive_directory_iterator(root)) paths.push_back(entry.path());
        for (const fs::path& path : paths) {
            struct stat st {};
            // a runtime folder is private to its user by nature
            if (path.filename().string().rfind("runtime-", 0) == 0) continue;
            if (::lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) continue;
            const mode_t need = S_ISDIR(st.st_mode) ? (S_ISGID | S_IRWXG) : (S_IRGRP | S_IWGRP);
            if (st.st_gid != gid_ || (st.st_mode & need) != need) {
                std::ostringstream line;
                line << path.string() << " gid " << st.st_gid << " mode " << std::oct << (st.st_mode & 07777);
                bad.push_back(line.str());
            }
        }
        return bad;
    }

    std::string group_, user_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    bool made_ = false;
};

TEST_F(SiteTest, ServiceAndGroupMemberShareSettingsFoldersAndEveryFile) {
    const EngineResult installed = run({"-INSTALL"});
    ASSERT_EQ(installed.code, 0) << installed.output << installed.error;
    const std::string unit = world.readFile("units/QuillService.service");
    for (const std::string& line :
         std::vector<std::string>{"User=quill\n", "Group=" + group_ + "\n", "SupplementaryGroups=lp\n", "UMask=0002\n"})
        EXPECT_NE(unit.find(line), std::string::npos) << line << unit;

    // the member's settings are the service's
    ASSERT_EQ(engineAsUser({"--settings", "set", "USER", "Visible", "1"}), 0) << userOutput();
    ASSERT_EQ(engineAsUser({"--settings", "set", "Quill", "Maxlabels", "3"}), 0) << userOutput();
    EXPECT_EQ(rootGet("Quill", "Maxlabels"), "3\n");
    EXPECT_EQ(rootGet("USER", "Visible"), "1\n");
    ASSERT_EQ(run({"--drain"}).code, 0);   // makes the Manual folders

    // the member drops a design and a label file; the root engine prints it
    writeManualDesign("Sheet", 1);
    fs::rename(world.path("data/labels/designs/User"), world.path("staged"));
    ASSERT_EQ(::chmod(world.path("staged").c_str(), 0755), 0);
    // written anew (cp would copy the staged files' mode)
    ASSERT_EQ(asUser("mkdir -p " + Quote(world.path("data/labels/designs/User")) + " && for f in " +
                     Quote(world.path("staged")) + "/*; do cat \"$f\" > " +
                     Quote(world.path("data/labels/designs/User/")) + "\"${f##*/}\"; done"),
              0)
        << userOutput();
    const std::string label = world.path("data/labels/User/");
    ASSERT_EQ(asUser("printf '1,Sheet,1,,value,\\r\\n' > " + Quote(label + ".USR1.part") + " && mv " +
                     Quote(label + ".USR1.part") + " " + Quote(label + "USR1.txt")),
              0)
        << userOutput();
    const EngineResult drained = run({"--drain"});
    EXPECT_EQ(drained.code, 0) << drained.output << drained.error;
    EXPECT_EQ(filesIn("data/Temp/PDF").size(), 1u) << drained.output;
    EXPECT_EQ(filesIn("data/labels/User/Backup").size(), 1u);
    ASSERT_EQ(engineAsUser({"--settings", "set", "Quill", "Maxlabels", "4"}), 0) << userOutput();

    EXPECT_EQ(notShared(), std::vector<std::string>{});
}

TEST_F(SiteTest, QuillIniKeepsItsOwnerAndModeAndRefusedWritesAreRecorded) {
    ASSERT_EQ(run({"-INSTALL"}).code, 0);
    const std::string ini = world.path("data/program/QUILL.INI");
    world.writeFile("data/program/QUILL.INI", "[Quill]\nMaxlabels=2\n");
    ASSERT_EQ(::chmod(ini.c_str(), 0644), 0);

    // not the member's to write: nothing replaced, the refusal recorded
    EXPECT_EQ(engineAsUser({"--settings", "set", "Quill", "Maxlabels", "5"}), 1) << userOutput();
    EXPECT_EQ(world.readFile("data/program/QUILL.INI"), "[Quill]\nMaxlabels=2\n");
    EXPECT_NE(exceptionLog().find("Source: UProcs, Proc: WriteINIFile"), std::string::npos) << exceptionLog();

    ASSERT_EQ(::chmod(ini.c_str(), 0664), 0);
    for (const bool byUser : {true, false}) {
        if (byUser)
            ASSERT_EQ(engineAsUser({"--settings", "set", "Quill", "Maxlabels", "5"}), 0) << userOutput();
        else
            ASSERT_EQ(run({"--settings", "set", "Quill", "Maxlabels", "6"}).code, 0);
        struct stat st {};
        ASSERT_EQ(::stat(ini.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 0u) << "written by " << (byUser ? "the member" : "root");
        EXPECT_EQ(st.st_mode & 07777, 0664u);
    }
    EXPECT_EQ(world.readFile("data/program/QUILL.INI"), "[Quill]\nMaxlabels=6\n");
}

// The paths a traced run (strace -f -y) created, changed or removed, also
// those it only tried to, with the current directory followed through chdir.
class WriteTrace {
public:
    WriteTrace(const std::string& text, std::string cwd) : cwd_(std::move(cwd)) {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) Take(line);
    }
    const std::set<std::string>& written() const { return written_; }

private:
    void Take(const std::string& line) {
        // "PID name(args" or "PID <... name resumed>..."
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) return;
        const std::string pid = line.substr(0, space);
        std::string rest = line.substr(line.find_first_not_of(' ', space));
        if (rest.rfind("<... ", 0) == 0) {
            const std::string name = rest.substr(5, rest.find(' ', 5) - 5);
            if ((name == "chdir" || name == "fchdir") && pending_.count(pid) && rest.find(" = 0") != std::string::npos)
                cwd_ = pending_[pid];
            return;
        }
        const std::size_t open = rest.find('(');
        if (open == std::string::npos) return;
        const std::string name = rest.substr(0, open), args = rest.substr(open + 1);
        if (name == "chdir" || name == "fchdir") {
            const auto paths = Paths(args, name == "fchdir");
            if (paths.empty()) return;
            if (args.find("<unfinished") != std::string::npos) pending_[pid] = paths.front();
            else if (args.find(") = 0") != std::string::npos) cwd_ = paths.front();
            return;
        }
        static const std::set<std::string> writers = {
            "creat",     "mkdir", "mkdirat", "rmdir",   "unlink",    "unlinkat", "rename",   "renameat",
            "renameat2", "link",  "linkat",  "symlink", "symlinkat", "chmod",    "fchmodat", "chown",
            "lchown",    "fchownat", "truncate", "utimensat", "mknod", "mknodat"};
        const bool opens = name == "open" || name == "openat";
        const bool opensForWriting = opens && (args.find("O_WRONLY") != std::string::npos ||
                                               args.find("O_RDWR") != std::string::npos ||
                                               args.find("O_CREAT") != std::string::npos ||
                                               args.find("O_TRUNC") != std::string::npos);
        if (!writers.count(name) && !opensForWriting) return;
        for (const std::string& path : Paths(args.substr(0, args.find(") = ")), false)) written_.insert(path);
    }

    // Every path argument: quoted names resolved against the directory
    // argument before them (`3</dir>` or AT_FDCWD), or a descriptor's path.
    std::vector<std::string> Paths(const std::string& args, bool descriptorOnly) const {
        std::vector<std::string> paths;
        std::string base = cwd_;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args.compare(i, 8, "AT_FDCWD") == 0) {
                base = cwd_;
                // strace -y shows the current directory too
                if (args.compare(i + 8, 1, "<") == 0) {
                    const std::size_t close = args.find('>', i);
                    base = args.substr(i + 9, close - i - 9);
                    i = close == std::string::npos ? args.size() : close;
                }
            } else if (IsDigit(args[i]) && (i == 0 || !std::isalnum(static_cast<unsigned char>(args[i - 1])))) {
                std::size_t j = i;
                while (j < args.size() && IsDigit(args[j])) ++j;
                if (j < args.size() && args[j] == '<') {
                    const std::size_t close = args.find('>', j);
                    base = args.substr(j + 1, close - j - 1);
                    if (descriptorOnly) paths.push_back(base);
                    i = close == std::string::npos ? args.size() : close;
                }
            } else if (args[i] == '"') {
                std::string name;
                for (++i; i < args.size() && args[i] != '"'; ++i) {
                    if (args[i] == '\\' && i + 1 < args.size()) ++i;
                    name += args[i];
                }
                if (descriptorOnly) continue;
                paths.push_back(fs::path(name).is_absolute() ? name
                                                             : (fs::path(base) / name).lexically_normal().string());
                base = cwd_;
            }
        }
        return paths;
    }

    std::string cwd_;
    std::map<std::string, std::string> pending_;
    std::set<std::string> written_;
};

// Paths outside the data root that a traced run of the engine from `cwd`
// (as root or as the member) wrote or tried to write.
class TracedRunTest : public SiteTest {
protected:
    std::vector<std::string> writesOutside(const std::string& cwd, bool byUser, const std::string& args) {
        const std::string trace = world.path("trace.txt");
        fs::remove(trace);
        std::string engine = Quote(EngineBinary()) + " " + args;
        if (byUser) engine = "setpriv --reuid=" + user_ + " --regid=" + group_ + " --init-groups -- " + engine;
        const int code = RunCommand("cd " + Quote(cwd) + " && strace -f -qq -y -s 4096 -e trace=%file,fchdir -o " +
                                    Quote(trace) + " " + engine + " >" + Quote(world.path("traced.out")) + " 2>&1");
        EXPECT_EQ(code, 0) << world.readFile("traced.out");
        std::vector<std::string> outside;
        const std::string root = fs::canonical(world.path("data")).string() + "/";
        const WriteTrace traced(world.readFile("trace.txt"), cwd);
        for (const std::string& path : traced.written())
            if ((path + "/").rfind(root, 0) != 0 && path != "/dev/null" && path.rfind("/dev/pts/", 0) != 0)
                outside.push_back(path);
        return outside;
    }
};

TEST_F(TracedRunTest, NothingOutsideTheDataRootIsWrittenFromAnyCurrentDirectory) {
    if (!HaveCommand("strace")) GTEST_SKIP() << "strace is not installed";
    ASSERT_EQ(run({"-INSTALL"}).code, 0);
    ASSERT_EQ(run({"--settings", "set", "USER", "Visible", "1"}).code, 0);
    ASSERT_EQ(run({"--settings", "set", "Quill", "LogMode", "3"}).code, 0);
    writeManualDesign("Sheet", 1);
    fs::create_directories(world.path("readonly"));
    ASSERT_EQ(::chmod(world.path("readonly").c_str(), 0555), 0);

    struct Run {
        const char* cwd;
        bool byUser;
    };
    for (const Run& r : {Run{"/", false}, Run{"readonly", true}}) {
        const std::string cwd = r.cwd[0] == '/' ? r.cwd : world.path(r.cwd);
        dropManualFile(std::string("USR-") + (r.byUser ? "user" : "root") + ".txt", "Sheet", {"x"});
        ASSERT_EQ(RunCommand("chmod -R g+rwX " + Quote(world.path("data"))), 0);
        EXPECT_EQ(writesOutside(cwd, r.byUser, "--drain"), std::vector<std::string>{}) << cwd;
        EXPECT_EQ(writesOutside(cwd, r.byUser, "--settings set Quill Maxlabels 2"), std::vector<std::string>{}) << cwd;
    }
    EXPECT_EQ(filesIn("data/labels/User/Backup").size(), 2u) << world.readFile("traced.out");
}

}  // namespace
}  // namespace quill::test
