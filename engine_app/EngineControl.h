#pragma once
// What the engine's windows show and steer: the engine of this process
// (TLocalEngineControl) or, attached, the service's engine reached through
// its control channel (TRemoteEngineControl). All calls on the main thread.
#include <memory>

#include <QObject>
#include <QString>

#include "engine/EngineCore.h"
#include "engine_app/LabelFileWork.h"

namespace quill {

class TEngineControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual TQueueRows& Rows() = 0;
    // The rows' texts are UTF-8 already, not in the label code page.
    virtual bool RowsInUtf8() const { return false; }
    virtual bool IsPaused() const = 0;
    // Pausing twice is pausing once.
    virtual void PauseEngine() = 0;
    virtual void ResumeEngine() = 0;
    virtual int CollectedCopies() const = 0;
    virtual void PrintAllTasks() = 0;
    virtual void ClearMessages() = 0;
    virtual void RemoveRow(int index) = 0;
    // Around an abort or retry dialog: paused while it is open; afterwards
    // the next tick scans the folders again and the engine runs.
    virtual void FileDialogOpened() = 0;
    virtual void FileDialogClosed() = 0;
    virtual std::unique_ptr<TLabelFileWork> FileWork() = 0;
    // Another process's engine is shown (the service): it cannot be ended here.
    virtual bool Attached() const { return false; }
    // Which engine is shown, for the window to say so.
    virtual QString Describe() const { return {}; }

signals:
    void busy();                     // a tick started
    void pausedChanged(bool paused);
    // Attached: the engine could (or can again) not be reached.
    void reachableChanged(bool reachable, const QString& why);
};

class TLocalEngineControl : public TEngineControl {
    Q_OBJECT
public:
    explicit TLocalEngineControl(TEngineCore& core, QObject* parent = nullptr);

    TQueueRows& Rows() override { return core_.Rows(); }
    bool IsPaused() const override { return core_.IsPaused(); }
    void PauseEngine() override { core_.PauseEngine(); }
    void ResumeEngine() override { core_.ResumeEngine(); }
    int CollectedCopies() const override { return core_.CollectedCopies(); }
    void PrintAllTasks() override { core_.PrintAllTasks(); }
    void ClearMessages() override { core_.Rows().ClearMessages(); }
    void RemoveRow(int index) override { core_.Rows().RemoveRow(index); }
    void FileDialogOpened() override { core_.PauseEngine(); }
    void FileDialogClosed() override;
    std::unique_ptr<TLabelFileWork> FileWork() override { return std::make_unique<TLocalFileWork>(); }

private:
    TEngineCore& core_;
};

}  // namespace quill
