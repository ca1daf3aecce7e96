#pragma once
// The stocks a search found, as rows of name, description and size.
#include <QAbstractTableModel>
#include <vector>

#include "designer/StockCatalogue.h"

namespace quill::designer {

class StockListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, DescriptionColumn, SizeColumn, ColumnCount };

    explicit StockListModel(const StockCatalogue& catalogue, QObject* parent = nullptr);

    void Search(const QString& text);
    const LabelStock* Stock(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const StockCatalogue& catalogue_;
    std::vector<const LabelStock*> rows_;
};

}  // namespace quill::designer
