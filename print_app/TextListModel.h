#pragma once
// A one-column list of texts under a column caption, for the views of the
// layout editor; filled from the byte strings of the non-visual model.
#include <QStringListModel>
#include <string>
#include <vector>

namespace quill {

class TTextListModel : public QStringListModel {
public:
    TTextListModel(QString caption, QObject* parent) : QStringListModel(parent), caption_(std::move(caption)) {}

    void SetTexts(const std::vector<std::string>& texts) {
        QStringList list;
        list.reserve(static_cast<qsizetype>(texts.size()));
        for (const std::string& text : texts) list << QString::fromStdString(text);
        setStringList(list);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) return caption_;
        return QStringListModel::headerData(section, orientation, role);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QStringListModel::flags(index) & ~Qt::ItemIsEditable & ~Qt::ItemIsDragEnabled & ~Qt::ItemIsDropEnabled;
    }

private:
    QString caption_;
};

}  // namespace quill
