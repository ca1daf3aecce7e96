#include "engine/ControlServer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <QJsonArray>
#include <QLocalSocket>
#include <QTimer>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "engine/ControlProtocol.h"

namespace quill {

namespace {

constexpr int ProbeMs = 1000;
constexpr qint64 ErrorCountMaxAgeMs = 1000;

QString Iso(const QDateTime& time) {
    return time.isValid() ? time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs) : QString();
}

// The socket takes the owner (when we may give it) and the group of its folder.
void ShareLikeFolder(const std::string& path) {
    ::chmod(path.c_str(), 0660);
    struct stat folder {};
    if (::stat(std::filesystem::path(path).parent_path().c_str(), &folder) != 0) return;
    const uid_t owner = ::geteuid() == 0 ? folder.st_uid : static_cast<uid_t>(-1);
    if (::lchown(path.c_str(), owner, folder.st_gid) != 0)
        AddLog("Control channel: " + path + " keeps its group (" + std::strerror(errno) + ")");
}

QJsonObject Reply(const QJsonObject& request, bool ok, const QString& error = {}) {
    QJsonObject reply{{"id", request.value("id")}, {"ok", ok}};
    if (!error.isEmpty()) reply["error"] = error;
    return reply;
}

}  // namespace

TControlServer::TControlServer(TEngineCore& core, std::string version, QObject* parent)
    : QObject(parent), core_(core), version_(std::move(version)) {
    server_.setMaxPendingConnections(MaxClients);
    connect(&server_, &QLocalServer::newConnection, this, &TControlServer::Accept);
    TQueueRows& rows = core_.Rows();
    connect(&rows, &TQueueRows::rowAdded, this, [this](int index) { RowEvent("rowAdded", index); });
    connect(&rows, &TQueueRows::rowChanged, this, [this](int index) { RowEvent("rowChanged", index); });
    connect(&rows, &TQueueRows::rowRemoved, this,
            [this](int index) { Broadcast({{"event", "rowRemoved"}, {"index", index}}); });
    connect(&core_, &TEngineCore::busy, this, [this] {
        ++ticks_;
        lastTick_ = QDateTime::currentDateTime();
        Broadcast({{"event", "state"}, {"tick", true}, {"state", State()}});
    });
    connect(&core_, &TEngineCore::pausedChanged, this,
            [this] { Broadcast({{"event", "state"}, {"state", State()}}); });
}

TControlServer::~TControlServer() {
    // The engine is ending: open dialogs elsewhere change nothing any more.
    for (auto& [socket, client] : clients_) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
    clients_.clear();
    server_.close();
}

bool TControlServer::Listen(const std::string& path, std::string& reason) {
    const QString name = QString::fromStdString(path);
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(ProbeMs)) {
        reason = "another engine serves " + path;
        return false;
    }
    if (probe.error() == QLocalSocket::SocketAccessError) {
        reason = "no access to " + path + ", which another user's engine may serve";
        return false;
    }
    // Nobody answers there: what is left is an ended engine's socket.
    QLocalServer::removeServer(name);
    // Made in a private folder with these rights, then moved into place.
    server_.setSocketOptions(QLocalServer::UserAccessOption | QLocalServer::GroupAccessOption);
    if (!server_.listen(name)) {
        reason = "cannot listen at " + path + ": " + server_.errorString().toStdString();
        return false;
    }
    path_ = path;
    ShareLikeFolder(path);
    return true;
}

void TControlServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (ClientCount() >= MaxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        clients_.emplace(socket, TClient{});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequests(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { Forget(socket); });
    }
}

void TControlServer::ReadRequests(QLocalSocket* socket) {
    auto found = clients_.find(socket);
    if (found == clients_.end()) return;
    TClient& client = found->second;
    client.Input += socket->readAll();
    const QPointer<QLocalSocket> alive(socket);
    for (int handled = 0;; ++handled) {
        const qsizetype end = client.Input.indexOf('\n');
        if (end < 0) {
            if (client.Input.size() > MaxLineBytes) Drop(socket, "sent a line that is too long");
            return;
        }
        if (handled == RequestsPerTurn) {
            // The rest after the engine's own events (a tick may be due).
            QTimer::singleShot(0, this, [this, alive] {
                if (alive) ReadRequests(alive);
            });
            return;
        }
        const QByteArray line = client.Input.left(end);
        client.Input.remove(0, end + 1);
        const std::optional<QJsonObject> request = control::ParseLine(line);
        Send(socket, request ? Handle(client, *request) : QJsonObject{{"ok", false}, {"error", "not JSON"}});
        if (!alive || !clients_.count(socket)) return;  // dropped
    }
}

QJsonObject TControlServer::Handle(TClient& client, const QJsonObject& request) {
    const QString command = request.value("command").toString();
    QJsonObject reply = Reply(request, true);
    if (command == control::Status || command == control::Subscribe) {
        const QJsonObject snapshot = Snapshot();
        for (auto it = snapshot.begin(); it != snapshot.end(); ++it) reply[it.key()] = it.value();
        client.Subscribed = client.Subscribed || command == control::Subscribe;
    } else if (command == control::Pause) {
        core_.PauseEngine();
    } else if (command == control::Resume) {
        core_.ResumeEngine();
    } else if (command == control::PrintNow) {
        const int copies = core_.CollectedCopies();
        reply["copies"] = copies;
        if (copies > 0) core_.PrintAllTasks();
    } else if (command == control::ClearMessages) {
        core_.Rows().ClearMessages();
    } else if (command == control::RemoveRow) {
        const auto& rows = core_.Rows().Rows();
        const int index = request.value("index").toInt(-1);
        const bool same = index >= 0 && index < static_cast<int>(rows.size()) &&
                          rows[static_cast<std::size_t>(index)].TaskID == request.value("taskId").toInt();
        if (same)
            core_.Rows().RemoveRow(index);
        else
            reply = Reply(request, false, "the row has gone");
    } else if (command == control::OpenDialog) {
        // Marked first: pausing tells every client, and may drop this one.
        const bool opened = !client.HoldsDialog;
        client.HoldsDialog = true;
        if (opened) core_.PauseEngine();
    } else if (command == control::CloseDialog) {
        CloseDialog(client);
    } else if (command == control::CountLabels) {
        const QString subfolder = request.value("subfolder").toString();
        if (subfolder != "" && subfolder != "Error") return Reply(request, false, "unknown subfolder");
        batch_.CountLabels(subfolder.toStdString());
        reply["counts"] = control::ModeCountsToJson(batch_.Counts());
    } else if (command == control::Batch) {
        const QJsonObject done = RunBatch(request);
        for (auto it = done.begin(); it != done.end(); ++it) reply[it.key()] = it.value();
    } else {
        reply = Reply(request, false, "unknown command");
    }
    return reply;
}

QJsonObject TControlServer::RunBatch(const QJsonObject& request) {
    const std::optional<TBatchAction> action = control::ParseBatchAction(request.value("action").toString());
    if (!action) return Reply(request, false, "unknown action");
    const TModeFlags ticked = control::ModeFlagsFromJson(request.value("modes").toArray());
    const bool errorFolders = *action == TBatchAction::Restore || *action == TBatchAction::DeleteErrors;
    batch_.CountLabels(errorFolders ? "Error" : "");
    batch_.Run(*action, ticked);
    errorCountsAt_ = {};
    return {{"summary", QString::fromStdString(batch_.Summary(*action, ticked))}};
}

void TControlServer::CloseDialog(TClient& client) {
    if (!client.HoldsDialog) return;
    client.HoldsDialog = false;
    core_.Candidates().Clear();
    if (core_.IsPaused()) core_.ResumeEngine();
}

void TControlServer::Send(QLocalSocket* socket, const QJsonObject& message) {
    socket->write(control::Line(message));
    if (socket->bytesToWrite() > MaxUnreadBytes) Drop(socket, "does not read what it is sent");
}

void TControlServer::Broadcast(const QJsonObject& event) {
    std::vector<QLocalSocket*> subscribers;
    for (const auto& [socket, client] : clients_)
        if (client.Subscribed) subscribers.push_back(socket);
    for (QLocalSocket* socket : subscribers)
        if (clients_.count(socket)) Send(socket, event);
}

void TControlServer::RowEvent(const char* event, int index) {
    const TQueueRow& row = core_.Rows().Rows().at(static_cast<std::size_t>(index));
    const QJsonObject json = control::RowToJson(row);
    if (row.StatusCode == TRowStatus::NotPrinted) lastError_ = json;
    Broadcast({{"event", event}, {"index", index}, {"row", json}});
}

void TControlServer::Drop(QLocalSocket* socket, const std::string& why) {
    AddLog("Control channel: a client was dropped: it " + why);
    Forget(socket);
}

void TControlServer::Forget(QLocalSocket* socket) {
    auto found = clients_.find(socket);
    if (found == clients_.end()) return;
    TClient client = std::move(found->second);
    clients_.erase(found);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    CloseDialog(client);
}

QJsonObject TControlServer::Snapshot() {
    QJsonArray rows;
    for (const TQueueRow& row : core_.Rows().Rows()) rows.append(control::RowToJson(row));
    return {{"state", State()}, {"rows", rows}};
}

const TModeCounts& TControlServer::ErrorCounts() {
    const QDateTime now = QDateTime::currentDateTime();
    if (!errorCountsAt_.isValid() || errorCountsAt_.msecsTo(now) > ErrorCountMaxAgeMs) {
        TLabelFileBatch counter;
        counter.CountLabels("Error");
        errorCounts_ = counter.Counts();
        errorCountsAt_ = now;
    }
    return errorCounts_;
}

QJsonObject TControlServer::State() {
    const QDateTime now = QDateTime::currentDateTime();
    QJsonArray tasks;
    for (int slot = 0; slot < TaskSlotCount; ++slot) {
        const TPrintTaskListRecord& task = core_.Task(slot);
        if (task.Labels.empty()) continue;
        const TMode mode = task.Labels.front().Mode;
        tasks.append(QJsonObject{{"taskId", task.TaskID},
                                 {"mode", QueueModeName(mode)},
                                 {"location", control::LabelText(task.LocationName)},
                                 {"design", control::LabelText(task.Design)},
                                 {"copies", task.Count()},
                                 {"capacity", task.Capacity},
                                 {"started", Iso(task.Started)},
                                 {"ageSecs", task.Started.isValid() ? task.Started.secsTo(now) : 0}});
    }
    // Waiting candidates, per label folder in the order they were found.
    QJsonArray waiting;
    std::map<std::string, int> perFolder;
    for (const TFileRecord& file : core_.Candidates().Files()) {
        if (perFolder.count(file.LabelFolder) == 0) {
            perFolder[file.LabelFolder] = static_cast<int>(waiting.size());
            waiting.append(QJsonObject{{"mode", QueueModeName(file.Mode)},
                                       {"folder", control::LabelText(file.LabelFolder)},
                                       {"count", 0}});
        }
        const int at = perFolder[file.LabelFolder];
        QJsonObject entry = waiting[at].toObject();
        entry["count"] = entry.value("count").toInt() + 1;
        waiting[at] = entry;
    }
    QJsonArray errors;
    int errorFiles = 0;
    const TModeCounts& counts = ErrorCounts();
    for (TMode mode : AllModes) {
        const int count = counts[static_cast<std::size_t>(ModeIndex(mode))];
        errorFiles += count;
        if (count > 0) errors.append(QJsonObject{{"mode", QueueModeName(mode)}, {"count", count}});
    }
    return {{"protocol", control::ProtocolVersion},
            {"program", QString::fromStdString(Folders.AppTitle)},
            {"version", QString::fromStdString(version_)},
            {"pid", static_cast<qint64>(::getpid())},
            {"computer", QString::fromStdString(Folders.ComputerName)},
            {"paused", core_.IsPaused()},
            {"ticks", ticks_},
            {"lastTick", Iso(lastTick_)},
            {"collectedCopies", core_.CollectedCopies()},
            {"tasks", tasks},
            {"waitingFiles", core_.Candidates().Count()},
            {"waiting", waiting},
            {"errorFiles", errorFiles},
            {"errorFolders", errors},
            {"lastError", lastError_.isEmpty() ? QJsonValue() : QJsonValue(lastError_)}};
}

}  // namespace quill
