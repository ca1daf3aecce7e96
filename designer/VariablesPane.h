#pragma once
// "Variables": every variable the program defined for the design's mode,
// filtered as one types, with its type and sample contents. A row dragged
// onto the canvas carries the variable (VariableDrag.h); a double-click
// asks for it to be placed (the designer decides where).
#include <QWidget>

#include "designer/VariableDrag.h"

class QLineEdit;
class QSortFilterProxyModel;
class QTreeView;

namespace quill::labelrender {
class VariableSet;
}

namespace quill::designer {

class VariableListModel;

class TVariablesPane : public QWidget {
    Q_OBJECT
public:
    explicit TVariablesPane(QWidget* parent = nullptr);

    // What LabelJob::DefinedVariables() holds after DefineDesignVariables.
    void SetVariables(const labelrender::VariableSet& variables, int codePage = 0);
    // The variables the design uses now (Design::VariableNames()): in bold.
    void SetUsedVariables(const QStringList& names);

    QLineEdit* SearchEdit() const { return search_; }
    QTreeView* List() const { return list_; }
    // The variable of a row of the list as shown (filtered).
    DraggedVariable VariableAt(int shownRow) const;

signals:
    void VariableActivated(const quill::designer::DraggedVariable& variable);

private:
    VariableListModel* model_;
    QSortFilterProxyModel* filter_;
    QLineEdit* search_;
    QTreeView* list_;
};

}  // namespace quill::designer
