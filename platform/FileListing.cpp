// Folder listings and name lookups with Windows name rules.
#include "platform/FileOps.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace quill::platform {

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), FoldAscii);
    return name;
}

// What is left of the pattern once the name is used up must match nothing:
// only '*', or - as Windows does it - a trailing ".*", so that "*.*" also
// lists names without an extension.
bool RestMatchesEmpty(const std::string& pattern, std::size_t p) {
    const auto skipStars = [&] { while (p < pattern.size() && pattern[p] == '*') ++p; };
    skipStars();
    if (pattern.compare(p, 2, ".*") == 0) {
        ++p;
        skipStars();
    }
    return p == pattern.size();
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + '/' + name;
}

std::int64_t MtimeNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// Every entry name of `folder` except "." and "..".
std::vector<std::string> EntryNames(const std::string& folder) {
    std::vector<std::string> names;
    DirHandle dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir) return names;
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    return names;
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    // Greedy match with a single backtrack point: the last '*' seen.
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    return RestMatchesEmpty(pattern, p);
}

std::vector<FileEntry> ListFiles(const std::string& folder, const std::string& pattern) {
    std::vector<FileEntry> entries;
    for (const std::string& name : EntryNames(folder)) {
        if (!MatchesPattern(name, pattern)) continue;
        FileEntry entry{name};
        const std::string full = Join(folder, name);
        struct stat st {};
        // a dangling link is still an entry; describe the link itself
        if (::stat(full.c_str(), &st) == 0 || ::lstat(full.c_str(), &st) == 0) {
            entry.isFolder = S_ISDIR(st.st_mode);
            entry.size = st.st_size;
            entry.lastWriteNs = MtimeNs(st);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<std::int64_t> LastWriteTimeNs(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return MtimeNs(st);
}

std::string FindCaseInsensitive(const std::string& folder, const std::string& name) {
    return FolderNames(folder).Find(name);
}

std::string FolderNames::Find(const std::string& name) const {
    const std::string exact = Join(folder_, name);
    struct stat st {};
    if (::lstat(exact.c_str(), &st) == 0) return exact;
    if (!byFoldedName_) {
        // Several spellings may differ only in case; the smallest byte
        // string wins so the choice does not depend on directory order.
        byFoldedName_.emplace();
        for (std::string& entry : EntryNames(folder_)) {
            const auto [known, added] = byFoldedName_->try_emplace(Folded(entry), entry);
            if (!added && entry < known->second) known->second = std::move(entry);
        }
    }
    const auto found = byFoldedName_->find(Folded(name));
    return found != byFoldedName_->end() ? Join(folder_, found->second) : exact;
}

}  // namespace quill::platform
