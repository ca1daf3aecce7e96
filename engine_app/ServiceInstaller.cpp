#include "engine_app/ServiceInstaller.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

#include "core/Startup.h"
#include "platform/RegistryStore.h"

extern char** environ;

namespace quill {

namespace {

namespace fs = std::filesystem;

// The data the service must share with the one who installed it.
constexpr const char* kCarriedVariables[] = {"QUILL_DATA", "QUILL_REGISTRY", "QUILL_PDF_DIR"};

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

bool Systemctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string command = SystemctlCommand();
    if (command.empty()) {
        out << "skipped systemctl";
        for (const auto& arg : args) out << ' ' << arg;
        out << " (systemd is not running, or QUILL_SYSTEMCTL is empty)\n";
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
        "WorkingDirectory=" + WithoutSpecifiers(fs::path(programPath).parent_path().string()) + "\n";
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
