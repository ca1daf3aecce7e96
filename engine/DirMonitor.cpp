#include "engine/DirMonitor.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <stdexcept>

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace quill {

namespace {

constexpr std::uint32_t MaskOf(TDirActions actions) {
    std::uint32_t mask = IN_ONLYDIR;
    if (actions.Contains(TDirAction::Added)) mask |= IN_CLOSE_WRITE;
    if (actions.Contains(TDirAction::Removed)) mask |= IN_DELETE;
    if (actions.Contains(TDirAction::Modified)) mask |= IN_MODIFY;
    if (actions.Contains(TDirAction::RenamedOldName)) mask |= IN_MOVED_FROM;
    if (actions.Contains(TDirAction::RenamedNewName)) mask |= IN_MOVED_TO;
    return mask;
}

std::optional<TDirAction> ActionOf(std::uint32_t mask) {
    if (mask & IN_ISDIR) return std::nullopt;  // folders are not label files
    if (mask & IN_CLOSE_WRITE) return TDirAction::Added;
    if (mask & IN_DELETE) return TDirAction::Removed;
    if (mask & IN_MODIFY) return TDirAction::Modified;
    if (mask & IN_MOVED_FROM) return TDirAction::RenamedOldName;
    if (mask & IN_MOVED_TO) return TDirAction::RenamedNewName;
    return std::nullopt;  // overflow, watch removed: a later scan finds the files
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

TDirMonitor::TDirMonitor(QObject* parent) : QObject(parent) {}

TDirMonitor::~TDirMonitor() { SetActive(false); }

void TDirMonitor::SetActive(bool active) {
    if (active == Active()) return;
    if (active) {
        inotify_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        const char* failure = nullptr;
        if (inotify_ < 0 || wake_ < 0) {
            failure = "Error en \"CreateIoCompletionPort\"";
        } else if (::inotify_add_watch(inotify_, Directory.c_str(), MaskOf(FilterAction)) < 0) {
            // a folder that is missing or may not be entered, or no watch to be had
            const bool missing = errno == ENOENT || errno == ENOTDIR || errno == EACCES;
            failure = missing ? "No se ha encontrado el directorio" : "Error en \"ReadDirectoryChanges\"";
        }
        if (failure) {
            CloseFd(inotify_);
            CloseFd(wake_);
            throw std::runtime_error(failure);
        }
        stopping_ = false;
        worker_.reset(QThread::create(&TDirMonitor::Watch, this));
        worker_->start();
        return;
    }
    stopping_ = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
    // The worker may be waiting for the main thread (this one) to handle a
    // batch: dropping the queued call releases it.
    while (!worker_->wait(QDeadlineTimer(20))) QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    worker_.reset();
    CloseFd(inotify_);
    CloseFd(wake_);
}

void TDirMonitor::Watch() {
    alignas(inotify_event) char buffer[64 * 1024];
    while (!stopping_) {
        pollfd fds[2] = {{inotify_, POLLIN, 0}, {wake_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) return;
        if (stopping_ || (fds[1].revents & POLLIN)) return;
        const ssize_t length = ::read(inotify_, buffer, sizeof buffer);
        if (length <= 0) continue;
        const std::string records(buffer, static_cast<std::size_t>(length));
        QMetaObject::invokeMethod(this, [this, &records] { Deliver(records); }, Qt::BlockingQueuedConnection);
    }
}

void TDirMonitor::Deliver(const std::string& records) {
    for (std::size_t at = 0; at + sizeof(inotify_event) <= records.size();) {
        inotify_event event;
        std::memcpy(&event, records.data() + at, sizeof event);
        const char* name = records.data() + at + sizeof event;
        at += sizeof event + event.len;
        if (event.len == 0 || at > records.size()) continue;
        const std::optional<TDirAction> action = ActionOf(event.mask);
        const std::string fileName(name, ::strnlen(name, event.len));
        if (action && FilterAction.Contains(*action) && !fileName.empty()) emit changed(*action, fileName);
    }
}

}  // namespace quill
