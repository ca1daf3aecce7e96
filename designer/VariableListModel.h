#pragma once
// The variables a program defined for a design, one row each: name, type
// and sample contents. Rows drag as the variable (VariableDrag.h).
#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QSet>
#include <vector>

#include "designer/VariableDrag.h"

namespace quill::labelrender {
class VariableSet;
}

namespace quill::designer {

class VariableListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, TypeColumn, SampleColumn, ColumnCount };

    explicit VariableListModel(QObject* parent = nullptr);

    // A copy, by name ignoring case; samples are label bytes in `codePage`.
    void SetVariables(const labelrender::VariableSet& variables, int codePage = 0);
    DraggedVariable Variable(int row) const;
    // Names the design uses (any case), shown in bold.
    void SetUsed(const QStringList& names);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

private:
    struct Row {
        DraggedVariable variable;
        QString sample;
    };
    std::vector<Row> rows_;
    QSet<QString> used_;   // lower case
    QHash<unsigned, QIcon> icons_;   // by type
};

}  // namespace quill::designer
