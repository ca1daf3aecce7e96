#include "engine/ControlProtocol.h"

#include <array>
#include <cstddef>

#include <QJsonDocument>
#include <QVariant>

#include "core/UGlobals.h"
#include "platform/CodePage.h"
#include "platform/SystemInfo.h"

namespace quill::control {

namespace {

std::string Text(const QJsonObject& json, const char* key) { return json.value(key).toString().toStdString(); }

constexpr std::array<const char*, 4> BatchNames = {"backup", "deleteWaiting", "restore", "deleteErrors"};

}  // namespace

QString LabelText(const std::string& bytes) {
    return QString::fromStdString(platform::LabelBytesToUtf8(bytes, Settings.CodePage));
}

std::string SocketPath() { return platform::DataRoot() + "QuillEngine.socket"; }

QJsonObject RowToJson(const TQueueRow& row) {
    return {{"mode", LabelText(row.Mode)},
            {"design", LabelText(row.Design)},
            {"amount", LabelText(row.Amount)},
            {"date", row.Date.toOffsetFromUtc(row.Date.offsetFromUtc()).toString(Qt::ISODateWithMs)},
            {"status", LabelText(row.Status)},
            {"statusCode", static_cast<int>(row.StatusCode)},
            {"taskId", row.TaskID}};
}

TQueueRow RowFromJson(const QJsonObject& json) {
    const int code = json.value("statusCode").toInt();
    return {Text(json, "mode"),
            Text(json, "design"),
            Text(json, "amount"),
            QDateTime::fromString(json.value("date").toString(), Qt::ISODateWithMs).toLocalTime(),
            Text(json, "status"),
            code < 0 ? TRowStatus::NotPrinted : code == 0 ? TRowStatus::Printed : TRowStatus::Pending,
            json.value("taskId").toInt()};
}

QByteArray Line(const QJsonObject& message) {
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> ParseLine(const QByteArray& line) {
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (!document.isObject()) return std::nullopt;
    return document.object();
}

const char* BatchActionName(TBatchAction action) { return BatchNames[static_cast<std::size_t>(action)]; }

std::optional<TBatchAction> ParseBatchAction(const QString& name) {
    for (std::size_t i = 0; i < BatchNames.size(); ++i)
        if (name == QLatin1String(BatchNames[i])) return static_cast<TBatchAction>(i);
    return std::nullopt;
}

namespace {

template <class T>
QJsonArray PerModeToJson(const std::array<T, ModeCount>& values) {
    QJsonArray json;
    for (const T& value : values) json.append(value);
    return json;
}

template <class T>
std::array<T, ModeCount> PerModeFromJson(const QJsonArray& json) {
    std::array<T, ModeCount> values{};
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = json.at(static_cast<int>(i)).toVariant().value<T>();
    return values;
}

}  // namespace

QJsonArray ModeFlagsToJson(const TModeFlags& flags) { return PerModeToJson(flags); }
TModeFlags ModeFlagsFromJson(const QJsonArray& json) { return PerModeFromJson<bool>(json); }
QJsonArray ModeCountsToJson(const TModeCounts& counts) { return PerModeToJson(counts); }
TModeCounts ModeCountsFromJson(const QJsonArray& json) { return PerModeFromJson<int>(json); }

}  // namespace quill::control
