#include "engine_app/ServiceInstaller.h"

#include <grp.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

#include "core/Startup.h"
#include "platform/RegistryStore.h"
#include "platform/SystemInfo.h"

extern char** environ;

namespace quill {

namespace {

namespace fs = std::filesystem;

// The data the service must share with the one who installed it.
constexpr const char* kCarriedVariables[] = {"QUILL_DATA", "QUILL_REGISTRY", "QUILL_PDF_DIR", "QUILL_PROGRAM_FOLDER"};

// The folders a site starts with; the programs create the rest below them.
constexpr const char* kSiteFolders[] = {"program", "Log", "Help", "Temp", "labels"};

// A value in double quotes, as unit files read it; '%' would start a
// specifier and '$' a variable.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (c == '%' || c == '$') quoted += c;
        quoted += c;
    }
    return quoted + '"';
}

std::string WithoutSpecifiers(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '%') out += '%';
        out += c;
    }
    return out;
}

std::string UnitPath() { return (fs::path(UnitFolder()) / ServiceUnitName).string(); }

// The command that stands for systemctl; empty: none runs.
std::string SystemctlCommand() {
    if (const char* command = std::getenv("QUILL_SYSTEMCTL")) return command;
    return fs::exists("/run/systemd/system") ? "systemctl" : "";
}

// `variable` names the command that stands for `fallback`; set but empty, none runs.
std::string CommandFor(const char* variable, const char* fallback) {
    const char* command = std::getenv(variable);
    return command ? command : fallback;
}

// Runs `command` with `args`; an empty command is skipped and says so.
bool Run(const std::string& name, const std::string& command, const std::vector<std::string>& args,
         std::ostream& out, std::ostream& err) {
    if (command.empty()) {
        out << "skipped " << name;
        for (const auto& arg : args) out << ' ' << arg;
        out << "\n";
        return true;
    }
    std::vector<char*> argv{const_cast<char*>(command.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, command.c_str(), nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        err << "quill-engine: " << command << ' ' << args.front() << " failed\n";
        return false;
    }
    return true;
}

bool Systemctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Run("systemctl", SystemctlCommand(), args, out, err);
}

// The site's group and the service's unprivileged user, made once.
bool CreateGroupAndUser(std::ostream& out, std::ostream& err) {
    const std::string group = platform::SiteGroup();
    if (!::getgrnam(group.c_str()) &&
        !Run("groupadd", CommandFor("QUILL_GROUPADD", "groupadd"), {"--system", group}, out, err))
        return false;
    if (::getpwnam(ServiceUserName)) return true;
    std::string home = platform::DataRoot();
    home.pop_back();
    return Run("useradd", CommandFor("QUILL_USERADD", "useradd"),
               {"--system", "--gid", group, "--groups", "lp", "--home-dir", home, "--no-create-home", "--shell",
                "/usr/sbin/nologin", ServiceUserName},
               out, err);
}

// The data root and everything in it handed to the site's group: folders
// group-writable and setgid (what is made in them inherits the group),
// files group-writable.
bool PrepareDataRoot(std::ostream& out, std::ostream& err) {
    const fs::path root = platform::DataRoot();
    std::error_code ec;
    for (const char* folder : kSiteFolders) fs::create_directories(root / folder, ec);
    if (ec) {
        err << "quill-engine: cannot create the data root " << root.string() << ": " << ec.message() << "\n";
        return false;
    }
    const group* site = ::getgrnam(platform::SiteGroup().c_str());
    if (!site) out << "group " << platform::SiteGroup() << " does not exist; the data root keeps its group\n";
    const auto share = [&](const fs::path& path) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return;
        if (site && ::lchown(path.c_str(), static_cast<uid_t>(-1), site->gr_gid) != 0)
            ec.assign(errno, std::generic_category());
        const mode_t add = S_ISDIR(st.st_mode) ? (S_ISGID | S_IRWXG) : (S_IRGRP | S_IWGRP);
        if (::chmod(path.c_str(), (st.st_mode & 07777) | add) != 0) ec.assign(errno, std::generic_category());
    };
    share(root);
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator(); ++it)
        share(it->path());
    if (ec) {
        err << "quill-engine: cannot hand " << root.string() << " to the site's group: " << ec.message() << "\n";
        return false;
    }
    out << "data root " << root.string() << " shared by the group " << platform::SiteGroup() << "\n";
    return true;
}

}  // namespace

std::string UnitFolder() {
    const char* folder = std::getenv("QUILL_UNIT_DIR");
    return folder && *folder ? folder : "/etc/systemd/system";
}

std::string CurrentProgramPath() {
    std::error_code ec;
    const fs::path path = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

std::string ServiceUnitText(const std::string& programPath) {
    std::string text =
        "# Written by quill-engine INSTALL; quill-engine UNINSTALL removes it.\n"
        "[Unit]\n"
        "Description=QuillService: Quill label print engine\n"
        "After=network.target cups.service\n"
        "\n"
        "[Service]\n"
        "Type=simple\n"
        "ExecStart=" + Quoted(programPath) + " --service\n"
        // Never root: the members of the group write designs and Printers.INI,
        // whose port names and folders the service would write to.
        "User=" + std::string(ServiceUserName) + "\n"
        "Group=" + WithoutSpecifiers(platform::SiteGroup()) + "\n"
        "SupplementaryGroups=lp\n"
        "UMask=0002\n"
        "WorkingDirectory=" + WithoutSpecifiers(platform::DataRoot()) + "\n";
    for (const char* name : kCarriedVariables)
        if (const char* value = std::getenv(name)) text += "Environment=" + Quoted(std::string(name) + "=" + value) + "\n";
    text +=
        "Restart=on-failure\n"
        // Exit code 3: another engine runs already; restarting would not change that.
        "RestartPreventExitStatus=3\n"
        // The stop request; the engine prints its collected tasks before it ends.
        "KillSignal=SIGTERM\n"
        "TimeoutStopSec=120\n"
        "\n"
        "[Install]\n"
        "WantedBy=multi-user.target\n";
    return text;
}

int InstallService(const std::string& programPath, std::ostream& out, std::ostream& err) {
    if (programPath.empty()) {
        err << "quill-engine: cannot tell the program's own path\n";
        return 1;
    }
    if (!CreateGroupAndUser(out, err) || !PrepareDataRoot(out, err)) return 1;
    const std::string unit = UnitPath();
    std::error_code ec;
    fs::create_directories(UnitFolder(), ec);
    {
        std::ofstream file(unit, std::ios::trunc);
        file << ServiceUnitText(programPath);
        if (!file.flush()) {
            err << "quill-engine: cannot write " << unit << "\n";
            return 1;
        }
    }
    try {
        platform::RegistryStore(platform::RegistryStore::DefaultPath())
            .WriteString(ServiceRegistryKey, "ImagePath", programPath);
    } catch (const std::exception& e) {
        err << "quill-engine: cannot record the service's program path: " << e.what() << "\n";
        return 1;
    }
    out << "QuillService installed: " << unit << " runs " << programPath << " --service\n";
    const bool enabled = Systemctl({"daemon-reload"}, out, err) && Systemctl({"enable", ServiceUnitName}, out, err);
    return enabled ? 0 : 1;
}

int UninstallService(std::ostream& out, std::ostream& err) {
    const std::string unit = UnitPath();
    // Stopped and disabled first; a unit systemd does not know is no reason to keep the files.
    if (!Systemctl({"disable", "--now", ServiceUnitName}, out, err))
        err << "quill-engine: removing the unit all the same\n";
    std::error_code ec;
    const bool removedUnit = fs::remove(unit, ec);
    if (ec) {
        err << "quill-engine: cannot remove " << unit << ": " << ec.message() << "\n";
        return 1;
    }
    bool removedKey = false;
    try {
        removedKey = platform::RegistryStore(platform::RegistryStore::DefaultPath()).DeleteKey(ServiceRegistryKey);
    } catch (const std::exception& e) {
        err << "quill-engine: cannot remove the service's registry key: " << e.what() << "\n";
        return 1;
    }
    if (!removedUnit && !removedKey) {
        out << "QuillService was not installed\n";
        return 0;
    }
    out << "QuillService uninstalled: " << unit << " removed\n";
    return Systemctl({"daemon-reload"}, out, err) ? 0 : 1;
}

}  // namespace quill
