#include "engine/QueueRows.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/Logging.h"
#include "core/Utilities.h"

namespace quill {

const char* QueueModeName(TMode mode) {
    static constexpr std::array<const char*, ModeCount> names = {
        "Legacy", "Vek-Legacy", "Manual", "Corvane", "Corvane PWB", "Tamber", "Direct", "Direct ORS", "Corvane ORS"};
    return names[static_cast<std::size_t>(ModeIndex(mode))];
}

void LogQueueRow(const TQueueRow& row) {
    const bool log = Settings.LogMode == 3 ||
                     ((Settings.LogMode == 1 || Settings.LogMode == 2) && row.StatusCode == TRowStatus::NotPrinted);
    if (!log) return;
    AddLog(row.Mode + "," + row.Design + "," + row.Amount + "," + row.Status + "," +
           std::to_string(static_cast<int>(row.StatusCode)) + "," + std::to_string(row.TaskID));
}

void TQueueRows::AddQueueRow(int taskId, TMode mode, const std::string& locationName, const std::string& design,
                             const std::string& amount, const std::string& status, TRowStatus code) {
    // Names and designs come from label folders and files: shown escaped.
    rows_.push_back({EscapeControlCharacters(locationName.empty() ? QueueModeName(mode) : locationName),
                     EscapeControlCharacters(design), amount, QDateTime::currentDateTime(),
                     EscapeControlCharacters(status), code, taskId});
    LogQueueRow(rows_.back());
    emit rowAdded(static_cast<int>(rows_.size()) - 1);
}

void TQueueRows::UpdateQueueRows(int taskId, const std::string& amount, const std::string& status,
                                 TRowStatus code) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        TQueueRow& row = rows_[i];
        if (row.TaskID != taskId) continue;
        if (amount != "0") row.Amount = amount;
        row.Status = EscapeControlCharacters(status);
        row.StatusCode = code;
        LogQueueRow(row);
        emit rowChanged(static_cast<int>(i));
    }
}

void TQueueRows::RemoveRow(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    rows_.erase(rows_.begin() + index);
    emit rowRemoved(index);
}

void TQueueRows::InsertRow(int index, TQueueRow row) {
    index = std::clamp(index, 0, static_cast<int>(rows_.size()));
    rows_.insert(rows_.begin() + index, std::move(row));
    emit rowAdded(index);
}

void TQueueRows::ReplaceRow(int index, TQueueRow row) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    rows_[static_cast<std::size_t>(index)] = std::move(row);
    emit rowChanged(index);
}

void TQueueRows::ReplaceAll(std::vector<TQueueRow> rows) {
    rows_ = std::move(rows);
    emit rowsReset();
}

template <class Pred>
void TQueueRows::RemoveWhere(Pred pred) {
    // From the last row to the first, so the indices still to visit stay valid.
    for (int i = static_cast<int>(rows_.size()) - 1; i >= 0; --i)
        if (pred(rows_[static_cast<std::size_t>(i)])) RemoveRow(i);
}

void TQueueRows::RemovePrinted() {
    RemoveWhere([](const TQueueRow& row) { return row.StatusCode == TRowStatus::Printed; });
}

void TQueueRows::ClearMessages() {
    RemoveWhere([](const TQueueRow& row) { return row.StatusCode != TRowStatus::Printed; });
}

}  // namespace quill
