#include "engine_app/ControlClient.h"

#include <grp.h>
#include <sys/stat.h>

#include <QDeadlineTimer>
#include <filesystem>

#include "engine/ControlProtocol.h"

namespace quill {

namespace {

std::string GroupOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "?";
    const group* entry = ::getgrgid(st.st_gid);
    return entry ? entry->gr_name : std::to_string(st.st_gid);
}

}  // namespace

TControlClient::TControlClient(QObject* parent) : QObject(parent) {
    connect(&socket_, &QLocalSocket::readyRead, this, &TControlClient::ReadAvailable);
    connect(&socket_, &QLocalSocket::disconnected, this, [this] { Lost("the engine closed the connection"); });
}

bool TControlClient::Connect(const std::string& path, std::string& why) {
    socket_.abort();
    input_.clear();
    lostReported_ = false;
    socket_.connectToServer(QString::fromStdString(path));
    if (socket_.waitForConnected(ConnectMs)) {
        failure_ = TFailure::None;
        return true;
    }
    switch (socket_.error()) {
        case QLocalSocket::ServerNotFoundError:
        case QLocalSocket::ConnectionRefusedError:
            failure_ = TFailure::NoEngine;
            why = "no engine is running (nothing answers at " + path + ")";
            break;
        case QLocalSocket::SocketAccessError: {
            const std::string group = GroupOf(std::filesystem::path(path).parent_path().string());
            failure_ = TFailure::AccessRefused;
            why = "you may not reach the engine: " + path + " is for the group " + group +
                  " only (join it: sudo usermod -a -G " + group + " $USER, then log in again)";
            break;
        }
        case QLocalSocket::SocketTimeoutError:
            failure_ = TFailure::NoAnswer;
            why = "the engine at " + path + " does not answer";
            break;
        default:
            failure_ = TFailure::Broken;
            why = "cannot reach the engine at " + path + ": " + socket_.errorString().toStdString();
    }
    return false;
}

int TControlClient::Write(const QString& command, QJsonObject fields) {
    fields["id"] = ++nextId_;
    fields["command"] = command;
    socket_.write(control::Line(fields));
    socket_.flush();
    return nextId_;
}

void TControlClient::Post(const QString& command, QJsonObject fields) { Write(command, std::move(fields)); }

std::optional<QJsonObject> TControlClient::Call(const QString& command, QJsonObject fields, std::string& why,
                                                int timeoutMs) {
    if (!Connected()) {
        why = "not connected to the engine";
        return std::nullopt;
    }
    const int outer = awaited_;
    awaited_ = Write(command, std::move(fields));
    reply_.reset();
    const QDeadlineTimer deadline(timeoutMs);
    while (!reply_ && Connected() && !deadline.hasExpired()) {
        socket_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        ReadAvailable();
    }
    awaited_ = outer;
    std::optional<QJsonObject> reply = std::move(reply_);
    reply_.reset();
    if (!reply) {
        why = Connected() ? "the engine did not answer in time" : "the connection to the engine was lost";
        failure_ = Connected() ? TFailure::NoAnswer : TFailure::Broken;
        return std::nullopt;
    }
    if (!reply->value("ok").toBool()) {
        why = "the engine refused: " + reply->value("error").toString().toStdString();
        return std::nullopt;
    }
    return reply;
}

void TControlClient::ReadAvailable() {
    input_ += socket_.readAll();
    qsizetype start = 0;
    for (qsizetype end; (end = input_.indexOf('\n', start)) >= 0; start = end + 1) {
        const std::optional<QJsonObject> message = control::ParseLine(input_.mid(start, end - start));
        if (!message) continue;
        if (message->contains("event"))
            emit event(*message);
        else if (awaited_ != 0 && message->value("id").toInt() == awaited_)
            reply_ = *message;
        else
            emit replied(*message);
    }
    input_.remove(0, start);
}

void TControlClient::Lost(const std::string& why) {
    failure_ = TFailure::Broken;
    if (lostReported_) return;
    lostReported_ = true;
    emit lost(QString::fromStdString(why));
}

}  // namespace quill
