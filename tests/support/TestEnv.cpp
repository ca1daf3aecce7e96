#include "support/TestEnv.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quill::test {

namespace fs = std::filesystem;

TempWorld::TempWorld() {
    std::string pattern = (fs::temp_directory_path() / "quill-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern + "/";
    oldCwd_ = fs::current_path().string();
    fs::create_directories(programFolder());
    setenv("QUILL_DATA", (root_ + "data").c_str(), 1);
    setenv("QUILL_REGISTRY", (root_ + "registry.db").c_str(), 1);
    setenv("QUILL_PDF_DIR", (root_ + "pdf").c_str(), 1);
    setenv("QUILL_PROGRAM_FOLDER", programFolder().c_str(), 1);
    fs::current_path(programFolder());
}

TempWorld::~TempWorld() {
    std::error_code ec;
    fs::current_path(oldCwd_, ec);
    // read-only files left by a test must not keep the folder alive
    for (auto it = fs::recursive_directory_iterator(root_, ec); it != fs::recursive_directory_iterator(); ++it)
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
}

void TempWorld::writeFile(const std::string& relative, const std::string& bytes) const {
    const fs::path p = root_ + relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string TempWorld::readFile(const std::string& relative) const {
    std::ifstream in(root_ + relative, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

int RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quill::test
