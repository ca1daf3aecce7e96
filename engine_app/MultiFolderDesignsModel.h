#pragma once
// One mode's multi-folder list as the editor shows it: a row per entry
// (name, design folder, label-file folder) in stored order, edited in
// memory and stored as a whole only when every row is complete.
#include <array>
#include <vector>

#include <QAbstractTableModel>

#include "core/UGlobals.h"

namespace quill {

class TMultiFolderDesignsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { NameColumn, DesignColumn, FileColumn, ColumnCount };
    static constexpr const char* NewRowName = "NEW";

    explicit TMultiFolderDesignsModel(TMode mode, QObject* parent = nullptr);

    TMode ModeOf() const { return mode_; }
    // The stored list (its folders are created on the way); clears Modified.
    void Load();
    bool Modified() const { return modified_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString Cell(int row, int column) const;
    // A differing value replaces the cell and sets Modified.
    void SetCell(int row, int column, const QString& value);
    // Appends "NEW" with empty folders; returns its row.
    int AddRow();
    void DeleteRow(int row);

    // Rows whose name or one of whose folders is empty.
    int IncompleteRowCount() const;
    // Stores the rows as entries 1..count (deleting stale higher entries)
    // and clears Modified; nothing when a row is incomplete.
    bool Save();

signals:
    void modifiedChanged(bool modified);

private:
    void SetModified(bool modified);

    TMode mode_;
    std::vector<std::array<QString, ColumnCount>> rows_;
    bool modified_ = false;
};

}  // namespace quill
