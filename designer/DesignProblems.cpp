#include "designer/DesignProblems.h"

#include <QApplication>
#include <QStyle>

#include "designer/ContentsCheck.h"
#include "labelrender/DesignCheck.h"
#include "labelrender/LabelContent.h"

namespace quill::designer {

using namespace labelrender;

namespace {

// "[Object3] why" -> ("Object3", "why"); messages without a section belong to the design.
DesignNote FromMessage(const std::string& message) {
    if (message.starts_with('[')) {
        const auto end = message.find("] ");
        if (end != std::string::npos) return {DesignNote::Kind::Problem, message.substr(1, end - 1), message.substr(end + 2)};
    }
    return {DesignNote::Kind::Problem, {}, message};
}

std::string Number(double value, int decimals) { return QString::number(value, 'f', decimals).toStdString(); }

}  // namespace

std::vector<DesignNote> CollectNotes(const DesignDocument& document, double printerDpi) {
    std::vector<DesignNote> notes;
    for (const std::string& problem : document.LoadProblems()) notes.push_back(FromMessage(problem));
    const Design& design = document.design();
    for (const DesignObject& object : design.objects) {
        const ContentTemplate* contents = object.Contents();
        if (!contents) continue;
        const ContentsProblems problems =
            CheckContents(QString::fromStdString(contents->Source()), document.variables());
        if (!problems.ok())
            notes.push_back({DesignNote::Kind::Problem, object.name, problems.Message().toStdString()});
    }
    LabelFiller filler(design);
    std::vector<Status> missing;
    filler.LoadImages(document.Folder(), &missing);
    for (const Status& s : missing) notes.push_back(FromMessage(s.message));

    const DesignCheck check = CheckDesign(design, document.variables(), TextConversion{}, printerDpi);
    for (const DesignProblem& p : check.problems) notes.push_back({DesignNote::Kind::Problem, p.object, p.text});
    for (const SymbolReport& s : check.symbols) {
        std::string text = s.symbology + ": module " + Number(s.moduleMm, 3) + " mm";
        if (s.moduleDots > 0) text += " (" + std::to_string(s.moduleDots) + " dots at " + Number(check.dotsPerInch, 0) + " dpi)";
        text += ", quiet zone " + Number(s.quietZoneMm, 2) + " mm";
        notes.push_back({DesignNote::Kind::Info, s.object, text});
    }
    return notes;
}

void DesignNotesModel::SetNotes(std::vector<DesignNote> notes) {
    beginResetModel();
    notes_ = std::move(notes);
    endResetModel();
}

int DesignNotesModel::ProblemCount() const {
    int count = 0;
    for (const DesignNote& n : notes_) count += n.kind == DesignNote::Kind::Problem;
    return count;
}

int DesignNotesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(notes_.size());
}

int DesignNotesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant DesignNotesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const DesignNote& note = notes_[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromStdString(index.column() == 0 ? note.object : note.text);
    if (role == Qt::DecorationRole && index.column() == 0)
        return QApplication::style()->standardIcon(note.kind == DesignNote::Kind::Problem ? QStyle::SP_MessageBoxWarning
                                                                                          : QStyle::SP_MessageBoxInformation);
    return {};
}

QVariant DesignNotesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? tr("Object") : tr("Print check");
}

}  // namespace quill::designer
