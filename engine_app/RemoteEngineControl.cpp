#include "engine_app/RemoteEngineControl.h"

#include <vector>

#include <QJsonArray>

#include "core/Logging.h"
#include "engine/ControlProtocol.h"

namespace quill {

namespace {

// The dialogs' counting and work, done by the engine.
class TRemoteFileWork : public TLabelFileWork {
public:
    explicit TRemoteFileWork(TControlClient& client) : client_(client) {}

    TModeCounts Count(const std::string& subfolder) override {
        std::string why;
        const auto reply =
            client_.Call(control::CountLabels, {{"subfolder", QString::fromStdString(subfolder)}}, why);
        if (!reply) AddLog("Control channel: label files not counted: " + why);
        return reply ? control::ModeCountsFromJson(reply->value("counts").toArray()) : TModeCounts{};
    }
    std::string Run(TBatchAction action, const TModeFlags& ticked) override {
        std::string why;
        // Moving many files takes the engine a while.
        constexpr int batchMs = 120000;
        const auto reply = client_.Call(
            control::Batch,
            {{"action", control::BatchActionName(action)}, {"modes", control::ModeFlagsToJson(ticked)}}, why,
            batchMs);
        return reply ? reply->value("summary").toString().toStdString() : "The engine did not do it: " + why;
    }

private:
    TControlClient& client_;
};

}  // namespace

bool TRemoteEngineControl::Attach(const std::string& path, std::string& why) {
    path_ = path;
    retry_.setInterval(RetryMs);
    connect(&retry_, &QTimer::timeout, this, &TRemoteEngineControl::Retry);
    connect(&client_, &TControlClient::event, this, &TRemoteEngineControl::Event);
    connect(&client_, &TControlClient::lost, this, &TRemoteEngineControl::Lost);
    connect(&client_, &TControlClient::replied, this, [](const QJsonObject& reply) {
        if (!reply.value("ok").toBool())
            AddLog("Control channel: the engine refused a command: " + reply.value("error").toString().toStdString());
    });
    return client_.Connect(path, why) && Subscribe(why);
}

bool TRemoteEngineControl::Subscribe(std::string& why) {
    const auto reply = client_.Call(control::Subscribe, {}, why);
    if (!reply) return false;
    std::vector<TQueueRow> rows;
    for (const QJsonValue& row : reply->value("rows").toArray()) rows.push_back(control::RowFromJson(row.toObject()));
    rows_.ReplaceAll(std::move(rows));
    reachable_ = true;
    TakeState(reply->value("state").toObject());
    return true;
}

QString TRemoteEngineControl::Describe() const {
    return QString("the service %1 (process %2) on %3")
        .arg(state_.value("program").toString())
        .arg(state_.value("pid").toInteger())
        .arg(state_.value("computer").toString());
}

void TRemoteEngineControl::Event(const QJsonObject& event) {
    const QString name = event.value("event").toString();
    const int index = event.value("index").toInt();
    if (name == "rowAdded")
        rows_.InsertRow(index, control::RowFromJson(event.value("row").toObject()));
    else if (name == "rowChanged")
        rows_.ReplaceRow(index, control::RowFromJson(event.value("row").toObject()));
    else if (name == "rowRemoved")
        rows_.RemoveRow(index);
    else if (name == "state") {
        TakeState(event.value("state").toObject());
        if (event.value("tick").toBool()) emit busy();
    }
}

void TRemoteEngineControl::TakeState(const QJsonObject& state) {
    const bool wasPaused = IsPaused();
    const bool first = state_.isEmpty();
    state_ = state;
    if (first || wasPaused != IsPaused()) emit pausedChanged(IsPaused());
}

void TRemoteEngineControl::Lost(const QString& why) {
    if (!reachable_) return;
    reachable_ = false;
    emit reachableChanged(false, why);
    retry_.start();
}

void TRemoteEngineControl::Retry() {
    std::string why;
    if (!client_.Connect(path_, why) || !Subscribe(why)) return;
    retry_.stop();
    emit reachableChanged(true, {});
}

void TRemoteEngineControl::Send(const char* command, QJsonObject fields) {
    if (reachable_) client_.Post(command, std::move(fields));
}

void TRemoteEngineControl::PauseEngine() { Send(control::Pause); }
void TRemoteEngineControl::ResumeEngine() { Send(control::Resume); }
void TRemoteEngineControl::PrintAllTasks() { Send(control::PrintNow); }
void TRemoteEngineControl::ClearMessages() { Send(control::ClearMessages); }

void TRemoteEngineControl::RemoveRow(int index) {
    const auto& rows = rows_.Rows();
    if (index < 0 || index >= static_cast<int>(rows.size())) return;
    Send(control::RemoveRow, {{"index", index}, {"taskId", rows[static_cast<std::size_t>(index)].TaskID}});
}

void TRemoteEngineControl::FileDialogOpened() { Send(control::OpenDialog); }
void TRemoteEngineControl::FileDialogClosed() { Send(control::CloseDialog); }

std::unique_ptr<TLabelFileWork> TRemoteEngineControl::FileWork() { return std::make_unique<TRemoteFileWork>(client_); }

}  // namespace quill
