#include "engine_app/SignalWatcher.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace quill {

namespace {

int pipeRead = -1;
int pipeWrite = -1;

void Handler(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe drops the byte: enough signals are waiting already.
    [[maybe_unused]] const ssize_t written = ::write(pipeWrite, &byte, 1);
    errno = savedErrno;
}

[[noreturn]] void Fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

}  // namespace

TSignalWatcher::TSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent), signals_(signalNumbers) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) Fail("pipe2");
    pipeRead = fds[0];
    pipeWrite = fds[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipeRead, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TSignalWatcher::ReadPipe);

    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: a signal must not break a file write halfway.
    action.sa_flags = SA_RESTART;
    for (int s : signals_) {
        if (::sigaction(s, &action, nullptr) != 0) {
            const int error = errno;
            Release();
            errno = error;
            Fail("sigaction");
        }
    }
}

TSignalWatcher::~TSignalWatcher() { Release(); }

void TSignalWatcher::Release() {
    for (int s : signals_) ::signal(s, SIG_DFL);
    notifier_.reset();
    ::close(pipeRead);
    ::close(pipeWrite);
    pipeRead = pipeWrite = -1;
}

bool TSignalWatcher::TakeReceived() {
    unsigned char bytes[16];
    bool any = false;
    while (::read(pipeRead, bytes, sizeof bytes) > 0) any = true;
    return any;
}

void TSignalWatcher::ReadPipe() {
    unsigned char bytes[16];
    for (;;) {
        const ssize_t n = ::read(pipeRead, bytes, sizeof bytes);
        if (n <= 0) return;
        for (ssize_t i = 0; i < n; ++i) emit received(bytes[i]);
    }
}

}  // namespace quill
