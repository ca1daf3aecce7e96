#include "designer/StockCatalogueDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "designer/PagePreview.h"
#include "designer/StockListModel.h"

namespace quill::designer {

TfrmStockCatalogue::TfrmStockCatalogue(StockCatalogue& catalogue, QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      model_(new StockListModel(catalogue, this)),
      search_(new QLineEdit(this)),
      list_(new QTableView(this)),
      details_(new QLabel(this)),
      preview_(new TPagePreview(this)),
      delete_(new QPushButton(tr("&Delete site stock"), this)) {
    setWindowTitle(tr("Label Stocks"));
    search_->setPlaceholderText(tr("Search by maker, part, description or size (e.g. avery 70 36, tape 25)"));
    search_->setClearButtonEnabled(true);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->horizontalHeader()->setSectionResizeMode(StockListModel::DescriptionColumn, QHeaderView::Stretch);
    list_->setColumnWidth(StockListModel::NameColumn, 160);
    list_->setColumnWidth(StockListModel::SizeColumn, 310);
    list_->setWordWrap(false);
    details_->setWordWrap(true);
    details_->setMinimumWidth(180);

    auto* side = new QVBoxLayout;
    side->addWidget(preview_, 1);
    side->addWidget(details_);
    side->addWidget(delete_);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(side);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addLayout(body, 1);
    if (!catalogue.Problems().isEmpty()) {
        auto* problems = new QLabel(tr("Not read: ") + catalogue.Problems().join(QStringLiteral("; ")), this);
        problems->setWordWrap(true);
        layout->addWidget(problems);
    }
    layout->addWidget(buttons);
    resize(900, 560);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_->Search(text);
        if (model_->rowCount() > 0) list_->selectRow(0);
        ShowCurrent();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TfrmStockCatalogue::ShowCurrent);
    connect(list_, &QTableView::activated, this, &QDialog::accept);
    connect(delete_, &QPushButton::clicked, this, &TfrmStockCatalogue::DeleteCurrent);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (model_->rowCount() > 0) list_->selectRow(0);
    ShowCurrent();
}

std::optional<LabelStock> TfrmStockCatalogue::Choose(StockCatalogue& catalogue, QWidget* parent) {
    TfrmStockCatalogue dialog(catalogue, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

std::optional<LabelStock> TfrmStockCatalogue::Chosen() const {
    const LabelStock* stock = model_->Stock(list_->currentIndex().row());
    return stock ? std::optional<LabelStock>(*stock) : std::nullopt;
}

void TfrmStockCatalogue::ShowCurrent() {
    const LabelStock* stock = model_->Stock(list_->currentIndex().row());
    ok_->setEnabled(stock != nullptr);
    delete_->setVisible(stock && stock->source == StockSource::Site);
    if (!stock) {
        details_->setText(tr("No stock matches."));
        preview_->SetGeometry({}, false);
        return;
    }
    preview_->SetGeometry(stock->geometry, stock->continuous);
    QString text = QStringLiteral("<b>%1</b><br>%2<br>%3").arg(stock->Name().toHtmlEscaped(),
                                                             stock->description.toHtmlEscaped(), stock->SizeText());
    if (stock->shape != StockShape::Rectangle)
        text += tr("<br>Not rectangular: the design is laid out on the label's bounding box.");
    if (stock->moreLayouts) text += tr("<br>This sheet has more than one grid; only the first is used.");
    details_->setText(text);
}

void TfrmStockCatalogue::DeleteCurrent() {
    const std::optional<LabelStock> stock = Chosen();
    if (!stock || stock->source != StockSource::Site) return;
    if (QMessageBox::question(this, windowTitle(), tr("Delete the site stock %1?").arg(stock->Name())) !=
        QMessageBox::Yes)
        return;
    QString error;
    if (!catalogue_.RemoveSiteStock(stock->part, &error)) {
        QMessageBox::critical(this, windowTitle(), tr("The site stocks could not be saved:\n%1").arg(error));
        return;
    }
    model_->Search(search_->text());
    if (model_->rowCount() > 0) list_->selectRow(0);
    ShowCurrent();
}

}  // namespace quill::designer
