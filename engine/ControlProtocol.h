#pragma once
// The engine's control channel: a local socket in the data root, one JSON
// object per line both ways. A client sends {"id": n, "command": "..."} and
// gets {"id": n, "ok": true|false, ...} back; a subscribed client also gets
// events ({"event": "rowAdded" | "rowChanged" | "rowRemoved" | "state" |
// "tick", ...}) in the order the engine made them. Texts are UTF-8: queue
// rows arrive converted from the label code page.
#include <optional>
#include <string>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

#include "engine/LabelFileBatch.h"
#include "engine/QueueRows.h"

namespace quill::control {

inline constexpr int ProtocolVersion = 1;

// Commands.
inline constexpr const char* Status = "status";            // reply: "state", "rows"
inline constexpr const char* Subscribe = "subscribe";      // reply as status, then events
inline constexpr const char* Pause = "pause";
inline constexpr const char* Resume = "resume";
inline constexpr const char* PrintNow = "printNow";        // reply: "copies" printed
inline constexpr const char* ClearMessages = "clearMessages";
inline constexpr const char* RemoveRow = "removeRow";      // "index", "taskId"
inline constexpr const char* OpenDialog = "openDialog";    // pauses while the dialog is open
inline constexpr const char* CloseDialog = "closeDialog";  // rescans and resumes
inline constexpr const char* CountLabels = "countLabels";  // "subfolder"; reply: "counts"
inline constexpr const char* Batch = "batch";              // "action", "modes"; reply: "summary"

// <data root>/QuillEngine.socket
std::string SocketPath();

// Bytes in the label code page (names, designs, statuses) as text.
QString LabelText(const std::string& bytes);

QJsonObject RowToJson(const TQueueRow& row);
// The row as sent: its texts stay UTF-8.
TQueueRow RowFromJson(const QJsonObject& json);

// The object as one line, newline included.
QByteArray Line(const QJsonObject& message);
// Nothing when the line is not a JSON object.
std::optional<QJsonObject> ParseLine(const QByteArray& line);

const char* BatchActionName(TBatchAction action);
std::optional<TBatchAction> ParseBatchAction(const QString& name);
// One entry per mode, in mode index order.
QJsonArray ModeFlagsToJson(const TModeFlags& flags);
TModeFlags ModeFlagsFromJson(const QJsonArray& json);
QJsonArray ModeCountsToJson(const TModeCounts& counts);
TModeCounts ModeCountsFromJson(const QJsonArray& json);

}  // namespace quill::control
