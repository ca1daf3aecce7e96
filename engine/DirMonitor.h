#pragma once
// Directory monitoring on inotify. A monitor watches one folder; its worker
// thread waits for change records and hands each batch to the main thread,
// waiting until it has been handled, so `changed` is always emitted on the
// main thread and the buffer is never read while the kernel fills it.
// Actions: a file written and closed is "added" (IN_CLOSE_WRITE), deleted
// "removed" (IN_DELETE), written to "modified" (IN_MODIFY), renamed gives
// the old name (IN_MOVED_FROM) and the new name (IN_MOVED_TO).
#include <atomic>
#include <memory>
#include <string>

#include <QObject>
#include <QThread>

#include "core/UGlobals.h"

namespace quill {

enum class TDirAction { Added, Removed, Modified, RenamedOldName, RenamedNewName };

// A set of actions.
class TDirActions {
public:
    constexpr TDirActions() = default;
    constexpr TDirActions(std::initializer_list<TDirAction> actions) {
        for (TDirAction a : actions) bits_ |= Bit(a);
    }
    static constexpr TDirActions All() {
        return {TDirAction::Added, TDirAction::Removed, TDirAction::Modified, TDirAction::RenamedOldName,
                TDirAction::RenamedNewName};
    }
    constexpr bool Contains(TDirAction a) const { return (bits_ & Bit(a)) != 0; }

private:
    static constexpr unsigned Bit(TDirAction a) { return 1u << static_cast<unsigned>(a); }
    unsigned bits_ = 0;
};

class TDirMonitor : public QObject {
    Q_OBJECT
public:
    explicit TDirMonitor(QObject* parent = nullptr);
    ~TDirMonitor() override;  // stops the worker

    std::string Directory;
    TDirActions FilterAction = TDirActions::All();

    // Starts watching (throws std::runtime_error when the folder cannot be
    // watched) or stops: the worker is woken and joined.
    void SetActive(bool active);
    bool Active() const { return worker_ != nullptr; }
    // Hands over now the batch the worker is waiting to deliver, for a
    // caller on the main thread that needs the latest changes without
    // returning to the event loop.
    void DeliverPending();

signals:
    void changed(quill::TDirAction action, const std::string& fileName);

private:
    void Watch();
    void Deliver(const std::string& records);

    int inotify_ = -1;
    int wake_ = -1;
    std::atomic<bool> stopping_{false};
    std::unique_ptr<QThread> worker_;
};

// The engine's monitor: which mode and folders its files belong to.
class TQuillDirMonitor : public TDirMonitor {
public:
    using TDirMonitor::TDirMonitor;

    TMode ModeIndex = TMode::Legacy;
    std::string LabelFolder;
    std::string LocationName;
    std::string DesignFolder;
    std::string Extension;
};

}  // namespace quill
