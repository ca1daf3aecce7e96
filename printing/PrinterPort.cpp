#include "printing/PrinterPort.h"

#include <fcntl.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "labelrender/CupsPrinter.h"
#include "platform/FileOps.h"
#include "printing/DirectFiles.h"

namespace quill {

namespace {

enum class TPortKind { LinePrinter, Spooler, File };

struct TPortTarget {
    TPortKind Kind = TPortKind::File;
    std::string Path;   // device, destination or file; empty for an LPT port without a device
};

std::vector<std::string> LinePrinterCandidates() {
    std::vector<std::string> candidates;
    if (const char* list = std::getenv("QUILL_LPT_DEVICES")) {
        std::string rest = list;
        for (std::size_t colon; (colon = rest.find(':')) != std::string::npos; rest.erase(0, colon + 1))
            candidates.push_back(rest.substr(0, colon));
        candidates.push_back(rest);
        return candidates;
    }
    for (const char* folder : {"/dev/usb/lp", "/dev/lp"})
        for (int n = 0; n <= 9; ++n) candidates.push_back(folder + std::to_string(n));
    return candidates;
}

bool IsLptName(const std::string& port) {
    const bool colon = port.size() == 5 && port[4] == ':';
    return (port.size() == 4 || colon) && strncasecmp(port.c_str(), "LPT", 3) == 0 && port[3] >= '1' &&
           port[3] <= '9';
}

bool IsSpoolerDestination(const std::string& port) {
    if (port.empty() || port.find('/') != std::string::npos) return false;
    labelrender::cups::Destination destination;
    return labelrender::cups::FindDestination(port, destination).ok();
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Writes all of `bytes`; a full device is waited for, but not longer than
// `stallLimit` without any byte taken.
bool WriteAll(int fd, std::string_view bytes, std::chrono::milliseconds stallLimit) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        pollfd ready{fd, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(stallLimit.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0 || (ready.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) return false;
    }
    return true;
}

// Non-blocking open: a FIFO without a reader or a busy device fails at once
// instead of holding the engine.
bool WriteToDevice(const TPortTarget& target, const std::vector<std::string>& pieces,
                   std::chrono::milliseconds stallLimit) {
    if (target.Path.empty()) return false;
    const int flags = O_WRONLY | O_NONBLOCK | O_CLOEXEC | (target.Kind == TPortKind::File ? O_CREAT | O_TRUNC : 0);
    Descriptor fd(::open(target.Path.c_str(), flags, 0666));
    if (fd.get() < 0) return false;
    for (const std::string& piece : pieces)
        if (!WriteAll(fd.get(), piece, stallLimit)) return false;
    return fd.Close();
}

bool WriteToSpooler(const std::string& destination, const std::vector<std::string>& pieces, const std::string& title) {
    std::string bytes;
    for (const std::string& piece : pieces) bytes += piece;
    return labelrender::cups::SubmitRaw(destination, bytes, title).ok();
}

TPortTarget ResolvePort(const std::string& port, const std::string& folder) {
    if (IsLptName(port)) {
        for (const std::string& device : LinePrinterCandidates())
            if (!device.empty() && ::access(device.c_str(), F_OK) == 0) return {TPortKind::LinePrinter, device};
        return {TPortKind::LinePrinter, ""};
    }
    if (IsSpoolerDestination(port)) return {TPortKind::Spooler, port};
    if (port.empty() || port.front() == '/') return {TPortKind::File, port};
    return {TPortKind::File, folder + port};
}

// The design a label file picks sets the port, so a file is written only
// inside the design's folder or when the administrator lists it in
// Printers.INI.
bool IsPermittedFile(const std::string& port, const std::string& path, const std::string& folder) {
    if (platform::LiesInsideFolder(path, folder)) return true;
    const TPrintersIni printers = ReadPrinters();
    return port == printers.PortDefault ||
           std::find(printers.Ports.begin(), printers.Ports.end(), port) != printers.Ports.end();
}

}  // namespace

bool WriteToPort(const std::string& port, const std::vector<std::string>& pieces, const std::string& folder,
                 const std::string& title, std::chrono::milliseconds stallLimit) {
    const TPortTarget target = ResolvePort(port, folder);
    if (target.Kind == TPortKind::Spooler) return WriteToSpooler(target.Path, pieces, title);
    if (target.Kind == TPortKind::File && !IsPermittedFile(port, target.Path, folder)) return false;
    return WriteToDevice(target, pieces, stallLimit);
}

}  // namespace quill
