#include "engine/TaskJournal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <set>
#include <span>
#include <string_view>

#include "core/Logging.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

// Blanks separate the parts of a line, so they, line breaks, control bytes
// and '%' itself are written as %XX.
std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || c == '%') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

std::vector<std::string_view> SplitBlanks(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t blank; (blank = line.find(' ', start)) != std::string_view::npos; start = blank + 1)
        parts.push_back(line.substr(start, blank - start));
    parts.push_back(line.substr(start));
    return parts;
}

bool ParseInt(std::string_view text, int& value) {
    if (text.empty()) return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 100000) return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

std::string EncodeRecord(const TLabelRecord& record) {
    std::string out = std::to_string(ModeIndex(record.Mode)) + " " + Escape(record.Design) + " " +
                      Escape(record.DesignFolder) + " " + Escape(record.LocationName) + " " +
                      std::to_string(record.FieldCount());
    for (int i = 0; i < record.FieldCount(); ++i)
        out += " " + std::to_string(static_cast<unsigned char>(record.FieldKind(i))) + " " +
               Escape(record.FieldValue(i));
    return out;
}

// `parts` from the mode on.
bool DecodeRecord(std::span<const std::string_view> parts, const TVocabularyOf& vocabulary, TLabelRecord& record) {
    int mode = 0, count = 0;
    if (parts.size() < 5 || !ParseInt(parts[0], mode) || mode >= ModeCount || !ParseInt(parts[4], count) ||
        count > TLabelRecord::Capacity || parts.size() != 5 + 2 * static_cast<std::size_t>(count))
        return false;
    ClearLabelRecord(record);
    record.Mode = static_cast<TMode>(mode);
    record.Amount = 1;
    if (!Unescape(parts[1], record.Design) || !Unescape(parts[2], record.DesignFolder) ||
        !Unescape(parts[3], record.LocationName))
        return false;
    const std::vector<TField>& fields = vocabulary(record.Mode);
    std::string value;
    for (int i = 0; i < count; ++i) {
        int kind = 0;
        const std::size_t at = 5 + 2 * static_cast<std::size_t>(i);
        if (!ParseInt(parts[at], kind) || kind > 255 || !Unescape(parts[at + 1], value)) return false;
        const std::string* name = static_cast<std::size_t>(i) < fields.size() ? &fields[static_cast<std::size_t>(i)].Name : nullptr;
        record.AppendField(name, static_cast<char>(kind), value);
    }
    return true;
}

struct TJournalCopy {
    std::string Task;
    int Claim;  // index into the claims, -1 outside any
    TLabelRecord Record;
};

struct TJournalClaim {
    std::string WorkPath;
    bool Filed = false;
};

// The copies of unfinished tasks, in order.
std::vector<TLabelRecord> PendingCopies(std::string_view text, const TVocabularyOf& vocabulary) {
    std::vector<TJournalCopy> copies;
    std::vector<TJournalClaim> claims;
    std::set<std::string, std::less<>> finished;
    int openClaim = -1;
    // A line without its line break was being written when the run ended.
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
        const std::vector<std::string_view> parts = SplitBlanks(text.substr(start, end - start));
        const std::string_view kind = parts[0];
        if (kind == "C" && parts.size() == 2) {
            std::string path;
            if (!Unescape(parts[1], path)) continue;
            claims.push_back({path});
            openClaim = static_cast<int>(claims.size()) - 1;
        } else if (kind == "F" && openClaim >= 0) {
            claims[static_cast<std::size_t>(openClaim)].Filed = true;
            openClaim = -1;
        } else if (kind == "A" && parts.size() > 2) {
            TJournalCopy copy{std::string(parts[1]), openClaim, {}};
            if (DecodeRecord(std::span(parts).subspan(2), vocabulary, copy.Record)) copies.push_back(std::move(copy));
        } else if (kind == "D" && parts.size() == 2) {
            finished.emplace(parts[1]);
        }
    }
    std::vector<TLabelRecord> pending;
    for (TJournalCopy& copy : copies) {
        if (finished.contains(copy.Task)) continue;
        if (copy.Claim >= 0) {
            const TJournalClaim& claim = claims[static_cast<std::size_t>(copy.Claim)];
            if (!claim.Filed && platform::FileExists(claim.WorkPath)) continue;
        }
        pending.push_back(std::move(copy.Record));
    }
    return pending;
}

}  // namespace

TTaskJournal::TTaskJournal(std::string path) : path_(std::move(path)) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    run_ = std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

TTaskJournal::~TTaskJournal() {
    if (fd_ >= 0) ::close(fd_);
}

void TTaskJournal::OpenForAppend() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    failed_ = fd_ < 0;
    if (failed_) AddLog("Task journal " + path_ + " cannot be written");
}

std::vector<TLabelRecord> TTaskJournal::Open(const TVocabularyOf& vocabulary) {
    const std::string earlier = path_ + ".old";
    // An earlier journal still present means the last replay did not finish:
    // what the current file holds is a partial copy of it.
    if (!platform::FileExists(earlier) && platform::FileExists(path_)) ::rename(path_.c_str(), earlier.c_str());
    const std::string text = platform::ReadWholeFile(earlier).value_or("");
    OpenForAppend();
    return PendingCopies(text, vocabulary);
}

void TTaskJournal::ReplayDone() { platform::DeleteFile(path_ + ".old"); }

void TTaskJournal::Append(const std::string& line) {
    if (failed_) return;
    std::string_view rest = line;
    while (!rest.empty()) {
        const ssize_t written = ::write(fd_, rest.data(), rest.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            // A torn line would spoil the next one: write nothing more until Clear.
            failed_ = true;
            AddLog("Task journal " + path_ + " cannot be written");
            return;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
        size_ += written;
    }
}

void TTaskJournal::ClaimStarted(const std::string& workPath) {
    claimOpen_ = true;
    Append("C " + Escape(workPath) + "\n");
}

void TTaskJournal::ClaimFiled() {
    claimOpen_ = false;
    Append("F\n");
}

void TTaskJournal::CopyAdded(int taskId, const TLabelRecord& copy) {
    Append("A " + run_ + "." + std::to_string(taskId) + " " + EncodeRecord(copy) + "\n");
}

void TTaskJournal::TaskFinished(int taskId) { Append("D " + run_ + "." + std::to_string(taskId) + "\n"); }

bool TTaskJournal::Sync() { return !failed_ && ::fdatasync(fd_) == 0; }

void TTaskJournal::Clear() {
    if (claimOpen_) return;
    size_ = 0;
    if (fd_ >= 0 && ::ftruncate(fd_, 0) == 0) {
        failed_ = false;
        return;
    }
    OpenForAppend();
}

void TTaskJournal::Rewrite(const std::vector<std::pair<int, const TLabelRecord*>>& held) {
    if (claimOpen_ || failed_) return;
    const std::string fresh = path_ + ".new";
    const int current = fd_;
    const std::int64_t currentSize = size_;
    fd_ = ::open(fresh.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    size_ = 0;
    failed_ = fd_ < 0;
    for (const auto& [taskId, copy] : held) CopyAdded(taskId, *copy);
    if (Sync() && ::rename(fresh.c_str(), path_.c_str()) == 0) {
        ::close(current);
        return;
    }
    if (fd_ >= 0) ::close(fd_);
    platform::DeleteFile(fresh);
    fd_ = current;
    size_ = currentSize;
    failed_ = false;
}

}  // namespace quill
