#pragma once
// The running engine's control channel (see ControlProtocol.h): serves the
// queue rows as they change and the engine's state, and carries out Pause,
// Resume, Print Now, Clear Messages and the work of the abort and retry
// dialogs. Everything runs on the engine's main thread without ever
// waiting for a client: what a client has not read yet is buffered, and a
// client that lets more than MaxUnreadBytes pile up is dropped, as is one
// that sends a line longer than MaxLineBytes.
#include <map>
#include <memory>
#include <string>

#include <QDateTime>
#include <QJsonObject>
#include <QLocalServer>
#include <QObject>
#include <QPointer>

#include "engine/EngineCore.h"
#include "engine/LabelFileBatch.h"

class QLocalSocket;

namespace quill {

class TControlServer : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MaxUnreadBytes = 1 << 20;
    static constexpr int MaxLineBytes = 64 * 1024;
    static constexpr int MaxClients = 32;
    // Requests handled in one go before the engine gets its turn again.
    static constexpr int RequestsPerTurn = 32;

    // `version`: the engine's, as its clients are told.
    TControlServer(TEngineCore& core, std::string version, QObject* parent = nullptr);
    ~TControlServer() override;

    // Listens at `path`, readable and writable by the owner and the group
    // of its folder only (mode 0660). A socket left by an engine that has
    // gone is replaced; one that a live engine serves is not: false, and
    // why, in `reason`.
    bool Listen(const std::string& path, std::string& reason);
    int ClientCount() const { return static_cast<int>(clients_.size()); }

private:
    struct TClient {
        QByteArray Input;
        bool Subscribed = false;
        bool HoldsDialog = false;   // an abort or retry dialog of the client is open
    };

    void Accept();
    void ReadRequests(QLocalSocket* socket);
    QJsonObject Handle(TClient& client, const QJsonObject& request);
    QJsonObject RunBatch(const QJsonObject& request);
    void Send(QLocalSocket* socket, const QJsonObject& message);
    void Broadcast(const QJsonObject& event);
    void Drop(QLocalSocket* socket, const std::string& why);
    void Forget(QLocalSocket* socket);
    void CloseDialog(TClient& client);
    QJsonObject Snapshot();
    QJsonObject State();
    // Label files per mode in the Error folders, counted at most once a second.
    const TModeCounts& ErrorCounts();
    void RowEvent(const char* event, int index);

    TEngineCore& core_;
    std::string version_;
    QLocalServer server_;
    std::string path_;
    std::map<QLocalSocket*, TClient> clients_;
    TLabelFileBatch batch_;
    TModeCounts errorCounts_{};
    QDateTime errorCountsAt_;
    long long ticks_ = 0;
    QDateTime lastTick_;
    QJsonObject lastError_;   // the last row that turned "not printed"
};

}  // namespace quill
