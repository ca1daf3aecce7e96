#pragma once
// A client of a running engine's control channel (see
// engine/ControlProtocol.h). Events and the replies to posted commands are
// delivered by signals in the order the engine sent them; Call waits for
// one reply, delivering what arrives before it.
#include <map>
#include <optional>
#include <string>

#include <QByteArray>
#include <QJsonObject>
#include <QLocalSocket>
#include <QObject>

namespace quill {

class TControlClient : public QObject {
    Q_OBJECT
public:
    enum class TFailure { None, NoEngine, AccessRefused, NoAnswer, Broken };
    static constexpr int ConnectMs = 3000;
    static constexpr int ReplyMs = 10000;

    explicit TControlClient(QObject* parent = nullptr);
    // Going away is no loss to report.
    ~TControlClient() override { socket_.disconnect(this); }

    // False, with a message for a person in `why`, when no engine serves
    // `path` or this user may not reach it.
    bool Connect(const std::string& path, std::string& why);
    TFailure Failure() const { return failure_; }
    bool Connected() const { return socket_.state() == QLocalSocket::ConnectedState; }

    // Sends the command; its reply comes by `replied`.
    void Post(const QString& command, QJsonObject fields = {});
    // Sends the command and waits for its reply; nothing (and why) when
    // none came within `timeoutMs` or the engine refused the command.
    std::optional<QJsonObject> Call(const QString& command, QJsonObject fields, std::string& why,
                                    int timeoutMs = ReplyMs);

signals:
    void event(const QJsonObject& event);
    void replied(const QJsonObject& reply);
    void lost(const QString& why);

private:
    int Write(const QString& command, QJsonObject fields);
    void ReadAvailable();
    void Lost(const std::string& why);

    QLocalSocket socket_;
    QByteArray input_;
    int nextId_ = 0;
    int awaited_ = 0;                  // the id Call waits for
    std::optional<QJsonObject> reply_;  // its reply, once here
    TFailure failure_ = TFailure::None;
    bool lostReported_ = false;
};

}  // namespace quill
