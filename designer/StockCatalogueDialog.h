#pragma once
// "Label Stocks": the catalogue searched as one types, the chosen stock's
// sheet drawn beside the list. Site stocks can be deleted here.
#include <QDialog>
#include <optional>

#include "designer/StockCatalogue.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace quill::designer {

class StockListModel;
class TPagePreview;

class TfrmStockCatalogue : public QDialog {
    Q_OBJECT
public:
    TfrmStockCatalogue(StockCatalogue& catalogue, QWidget* parent = nullptr);

    // The stock chosen, or nullopt when the dialog was cancelled.
    static std::optional<LabelStock> Choose(StockCatalogue& catalogue, QWidget* parent);

    std::optional<LabelStock> Chosen() const;
    QLineEdit* SearchEdit() const { return search_; }
    QTableView* List() const { return list_; }
    QPushButton* DeleteButton() const { return delete_; }

private:
    void ShowCurrent();
    void DeleteCurrent();

    StockCatalogue& catalogue_;
    StockListModel* model_;
    QLineEdit* search_;
    QTableView* list_;
    QLabel* details_;
    TPagePreview* preview_;
    QPushButton* delete_;
    QPushButton* ok_;
};

}  // namespace quill::designer
