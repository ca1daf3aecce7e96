#pragma once
// Turns SIGTERM / SIGINT into a Qt signal on the main thread. The handler
// only writes the signal number into a pipe (the self-pipe trick); all work
// happens when the event loop reads it, so nothing unsafe runs inside the
// handler. One watcher per process.
#include <initializer_list>
#include <memory>
#include <vector>

#include <QObject>
#include <QSocketNotifier>

namespace quill {

class TSignalWatcher : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for `signalNumbers`; throws std::system_error when the
    // pipe or a handler cannot be set up.
    explicit TSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    // Puts the default handlers back.
    ~TSignalWatcher() override;
    TSignalWatcher(const TSignalWatcher&) = delete;
    TSignalWatcher& operator=(const TSignalWatcher&) = delete;

    // For a caller that does not return to the event loop: whether one of
    // the signals arrived since the last look (it is not reported through
    // `received` then).
    bool TakeReceived();

signals:
    void received(int signalNumber);

private:
    void ReadPipe();
    // Default handlers back, pipe closed.
    void Release();

    std::vector<int> signals_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quill
