#pragma once
// Everything the designer can tell before saving about how the design will
// print: what reading the file found, variables the program does not define
// (-35), missing pictures (-52) and the shared print-quality check on the
// chosen printer (module sizes in mm and dots, quiet zones, values that
// cannot be encoded, text that does not fit).
#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "designer/DesignDocument.h"

namespace quill::designer {

struct DesignNote {
    enum class Kind { Problem, Info };
    Kind kind = Kind::Problem;
    std::string object;   // the section, "Object3"; empty for the design as a whole
    std::string text;
};

std::vector<DesignNote> CollectNotes(const DesignDocument& document, double printerDpi);

class DesignNotesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetNotes(std::vector<DesignNote> notes);
    const std::vector<DesignNote>& notes() const { return notes_; }
    int ProblemCount() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<DesignNote> notes_;
};

}  // namespace quill::designer
