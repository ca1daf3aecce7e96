#pragma once
// The queue rows as a table model for the queue window: the seven columns
// in their order, error rows in red, and a sort key per column. It follows
// TQueueRows' signals, which arrive after each change; the row count it
// reports moves only between the begin and end notifications, as views
// expect.
#include <QAbstractTableModel>

#include "engine/QueueRows.h"

namespace quill {

class TQueueRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ModeColumn, DesignColumn, AmountColumn, DateColumn, StatusColumn, StatusCodeColumn, TaskIDColumn };
    static constexpr int ColumnCount = 7;
    // Values to sort by: the date as a date, codes and numbers as numbers.
    static constexpr int SortRole = Qt::UserRole;

    explicit TQueueRowsModel(const TQueueRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const TQueueRow* Row(int row) const;
    // The rows' texts are UTF-8 (a copy of another engine's rows), not in
    // the label code page.
    void SetTextInUtf8(bool utf8) { utf8_ = utf8; }

private:
    void RowAdded(int index);
    void RowRemoved(int index);
    void RowChanged(int index);
    void RowsReset();
    QString Text(const std::string& bytes) const;

    const TQueueRows& rows_;
    int shown_ = 0;
    bool utf8_ = false;
};

}  // namespace quill
