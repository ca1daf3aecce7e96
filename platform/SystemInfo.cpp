#include "platform/SystemInfo.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace quill::platform {

namespace {

// The value of an environment variable, empty when unset.
std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string HomeFolder() {
    std::string home = Env("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::geteuid())) home = pw->pw_dir;
    }
    return home;
}

}  // namespace

std::string ComputerName() {
    // two engines sharing folders on one machine (tests) need two names
    if (std::string name = Env("QUILL_COMPUTER_NAME"); !name.empty()) return name.substr(0, 15);
    char buffer[256] = {};
    if (::gethostname(buffer, sizeof buffer - 1) != 0) return "QUILLPC";
    std::string name = buffer;
    name = name.substr(0, name.find('.'));
    // a NetBIOS-style name: the first 15 characters
    if (name.size() > 15) name.resize(15);
    return name.empty() ? "QUILLPC" : name;
}

std::string DataRoot() {
    if (const std::string data = Env("QUILL_DATA"); !data.empty()) return WithSlash(data);
    // the site's root serves every user once it is installed; a private one
    // is only for a trial on a machine without it
    if (::geteuid() == 0 || std::filesystem::is_directory(SiteDataRoot)) return SiteDataRoot;
    // the XDG rules ignore a relative value
    const std::string xdg = Env("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') return WithSlash(xdg) + "quill/";
    return WithSlash(HomeFolder()) + ".local/share/quill/";
}

std::string SiteGroup() {
    const std::string group = Env("QUILL_SITE_GROUP");
    return group.empty() ? "quill" : group;
}

std::string ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return WithSlash(std::filesystem::current_path(ec).string());
    return WithSlash(exe.parent_path().string());
}

}  // namespace quill::platform
