#pragma once
// The rows of the engine's queue list, one per task start: the model the
// queue window shows. Rows change only on the main thread; every change is
// announced by a signal carrying the row's index.
#include <string>
#include <vector>

#include <QDateTime>
#include <QObject>

#include "core/UGlobals.h"

namespace quill {

enum class TRowStatus : int { NotPrinted = -1, Printed = 0, Pending = 1 };

struct TQueueRow {
    std::string Mode;      // the mode's queue name, or the task's location name
    std::string Design;
    std::string Amount;    // copies "/" labels per page
    QDateTime Date;        // when the row was added
    std::string Status;
    TRowStatus StatusCode = TRowStatus::Pending;
    int TaskID = 0;
};

// The mode's name in the queue list ("Vek-Legacy", "Direct ORS").
const char* QueueModeName(TMode mode);

// Writes the row to the log by LogMode: 3 every row, 1 and 2 only rows of
// tasks that were not printed.
void LogQueueRow(const TQueueRow& row);

class TQueueRows : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const std::vector<TQueueRow>& Rows() const { return rows_; }

    // Appends a row dated now and logs it.
    void AddQueueRow(int taskId, TMode mode, const std::string& locationName, const std::string& design,
                     const std::string& amount, const std::string& status, TRowStatus code);
    // Every row of the task: Amount (unless `amount` is "0"), Status and
    // StatusCode replaced, then logged.
    void UpdateQueueRows(int taskId, const std::string& amount, const std::string& status, TRowStatus code);

    void RemoveRow(int index);
    // Rows of printed tasks (the delete-printed timer's work).
    void RemovePrinted();
    // "Clear Messages": every row that is not a printed one.
    void ClearMessages();

    // A copy kept of another engine's rows takes them as they are: no
    // escaping, no logging.
    void InsertRow(int index, TQueueRow row);
    void ReplaceRow(int index, TQueueRow row);
    void ReplaceAll(std::vector<TQueueRow> rows);

signals:
    void rowAdded(int index);
    void rowChanged(int index);
    void rowRemoved(int index);
    void rowsReset();

private:
    template <class Pred>
    void RemoveWhere(Pred pred);

    std::vector<TQueueRow> rows_;
};

}  // namespace quill
