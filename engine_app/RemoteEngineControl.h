#pragma once
// The engine of another process (the service) as the engine windows see
// it: a copy of its queue rows and its state, kept up to date by the
// events of its control channel, and the commands sent there. When the
// engine cannot be reached any more, the control tries again every
// RetryMs and starts afresh from the engine's rows once it is back.
#include <memory>

#include <QJsonObject>
#include <QTimer>

#include "engine_app/ControlClient.h"
#include "engine_app/EngineControl.h"

namespace quill {

class TRemoteEngineControl : public TEngineControl {
    Q_OBJECT
public:
    static constexpr int RetryMs = 2000;

    // Connects to the channel at `path` and subscribes; false (and why) when
    // that fails. Nothing else may be called then.
    bool Attach(const std::string& path, std::string& why);
    const QJsonObject& State() const { return state_; }
    TControlClient::TFailure Failure() const { return client_.Failure(); }
    bool Reachable() const { return reachable_; }

    TQueueRows& Rows() override { return rows_; }
    bool RowsInUtf8() const override { return true; }
    bool IsPaused() const override { return state_.value("paused").toBool(); }
    void PauseEngine() override;
    void ResumeEngine() override;
    int CollectedCopies() const override { return state_.value("collectedCopies").toInt(); }
    void PrintAllTasks() override;
    void ClearMessages() override;
    void RemoveRow(int index) override;
    void FileDialogOpened() override;
    void FileDialogClosed() override;
    std::unique_ptr<TLabelFileWork> FileWork() override;
    bool Attached() const override { return true; }
    QString Describe() const override;

private:
    bool Subscribe(std::string& why);
    void Event(const QJsonObject& event);
    void TakeState(const QJsonObject& state);
    void Lost(const QString& why);
    void Retry();
    // A command whose reply only matters when it is a refusal.
    void Send(const char* command, QJsonObject fields = {});

    TControlClient client_;
    std::string path_;
    TQueueRows rows_;
    QJsonObject state_;
    QTimer retry_;
    bool reachable_ = false;
};

}  // namespace quill
