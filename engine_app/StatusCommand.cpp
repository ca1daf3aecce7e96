#include "engine_app/StatusCommand.h"

#include <sstream>

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include "engine/ControlProtocol.h"
#include "engine_app/ControlClient.h"

namespace quill {

namespace {

struct TCommand {
    const char* Command;
    bool Json = false;
};

std::optional<TCommand> ParseCommand(const std::vector<std::string>& args) {
    if (args == std::vector<std::string>{"--status"}) return TCommand{control::Status};
    if (args == std::vector<std::string>{"--status", "--json"} ||
        args == std::vector<std::string>{"--json", "--status"})
        return TCommand{control::Status, true};
    if (args == std::vector<std::string>{"--pause"}) return TCommand{control::Pause};
    if (args == std::vector<std::string>{"--resume"}) return TCommand{control::Resume};
    if (args == std::vector<std::string>{"--print-now"}) return TCommand{control::PrintNow};
    return std::nullopt;
}

std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

std::string When(const QJsonValue& iso) {
    const QDateTime time = QDateTime::fromString(iso.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time.toLocalTime().toString("yyyy-MM-dd hh:mm:ss").toStdString() : "-";
}

int Exit(TControlClient::TFailure failure) {
    switch (failure) {
        case TControlClient::TFailure::NoEngine: return ExitNoEngine;
        case TControlClient::TFailure::AccessRefused: return ExitAccessRefused;
        default: return 1;
    }
}

}  // namespace

std::string DescribeStatus(const QJsonObject& reply) {
    const QJsonObject state = reply.value("state").toObject();
    std::ostringstream out;
    out << Text(state.value("program")) << " " << Text(state.value("version")) << " (process "
        << state.value("pid").toInteger() << " on " << Text(state.value("computer")) << "): "
        << (state.value("paused").toBool() ? "Paused" : "Checking for labels") << "\n";
    out << "Last tick: " << When(state.value("lastTick")) << " (" << state.value("ticks").toInteger()
        << " ticks)\n";
    const QJsonArray tasks = state.value("tasks").toArray();
    out << "Tasks collecting: " << tasks.size() << " (" << state.value("collectedCopies").toInt() << " copies)\n";
    for (const QJsonValue& value : tasks) {
        const QJsonObject task = value.toObject();
        const std::string location = Text(task.value("location"));
        out << "  " << Text(task.value("design")) << " (" << (location.empty() ? Text(task.value("mode")) : location)
            << "): " << task.value("copies").toInt() << "/" << task.value("capacity").toInt() << ", collecting for "
            << task.value("ageSecs").toInteger() << " s\n";
    }
    out << "Label files waiting: " << state.value("waitingFiles").toInt() << "\n";
    for (const QJsonValue& value : state.value("waiting").toArray())
        out << "  " << Text(value["folder"]) << ": " << value["count"].toInt() << "\n";
    out << "Label files in Error folders: " << state.value("errorFiles").toInt() << "\n";
    for (const QJsonValue& value : state.value("errorFolders").toArray())
        out << "  " << Text(value["mode"]) << ": " << value["count"].toInt() << "\n";
    const QJsonObject error = state.value("lastError").toObject();
    if (!error.isEmpty())
        out << "Last error: " << When(error.value("date")) << " " << Text(error.value("mode")) << " "
            << Text(error.value("design")) << ": " << Text(error.value("status")) << "\n";
    const QJsonArray rows = reply.value("rows").toArray();
    out << "Queue rows: " << rows.size() << "\n";
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        out << "  " << Text(row.value("mode")) << "\t" << Text(row.value("design")) << "\t"
            << Text(row.value("amount")) << "\t" << When(row.value("date")) << "\t" << Text(row.value("status"))
            << "\n";
    }
    return out.str();
}

std::optional<int> RunControlCommand(const std::vector<std::string>& args, int& argc, char** argv,
                                     std::ostream& out, std::ostream& err) {
    const std::optional<TCommand> command = ParseCommand(args);
    if (!command) return std::nullopt;
    const QCoreApplication app(argc, argv);
    TControlClient client;
    std::string why;
    if (!client.Connect(control::SocketPath(), why)) {
        err << "quill-engine: " << why << "\n";
        return Exit(client.Failure());
    }
    const std::optional<QJsonObject> reply = client.Call(command->Command, {}, why);
    if (!reply) {
        err << "quill-engine: " << why << "\n";
        return 1;
    }
    const QString name = command->Command;
    if (name == control::Status && command->Json) {
        QJsonObject status = *reply;
        status.remove("id");
        status.remove("ok");
        out << QJsonDocument(status).toJson(QJsonDocument::Indented).toStdString();
    } else if (name == control::Status) {
        out << DescribeStatus(*reply);
    } else if (name == control::PrintNow) {
        const int copies = reply->value("copies").toInt();
        out << (copies < 1 ? std::string("There are no current printjobs...")
                           : "Print Now: " + std::to_string(copies) + " collected label(s) sent to print")
            << "\n";
    } else {
        out << (name == control::Pause ? "Paused" : "Checking for labels") << "\n";
    }
    return 0;
}

}  // namespace quill
