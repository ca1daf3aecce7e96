#include "print_app/FDialogSettingsDirect.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QStringListModel>

#include <algorithm>

namespace quill {

namespace {

QListView* ChoiceList(const std::vector<std::string>& entries, const std::string& current, QWidget* parent) {
    QStringList texts;
    for (const std::string& entry : entries) texts << QString::fromStdString(entry);
    auto* list = new QListView(parent);
    list->setModel(new QStringListModel(texts, list));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto found = std::find(entries.begin(), entries.end(), current);
    if (!entries.empty())
        list->setCurrentIndex(list->model()->index(found == entries.end() ? 0 : int(found - entries.begin()), 0));
    return list;
}

std::optional<std::string> Selected(const QListView* list) {
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    if (rows.isEmpty()) return std::nullopt;
    return rows.front().data().toString().toStdString();
}

}  // namespace

TfrmDialogSettingsDirect::TfrmDialogSettingsDirect(const std::vector<std::string>& printers,
                                                   const std::vector<std::string>& ports, const std::string& printer,
                                                   const std::string& port, QWidget* parent)
    : TfrmBase(parent), lstPrinters_(ChoiceList(printers, printer, this)), lstPorts_(ChoiceList(ports, port, this)) {
    setWindowTitle("Printer settings");
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Printer", this), 0, 0);
    grid->addWidget(new QLabel("Port", this), 0, 1);
    grid->addWidget(lstPrinters_, 1, 0);
    grid->addWidget(lstPorts_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 2, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(460, 300);
}

std::optional<std::string> TfrmDialogSettingsDirect::SelectedPrinter() const { return Selected(lstPrinters_); }
std::optional<std::string> TfrmDialogSettingsDirect::SelectedPort() const { return Selected(lstPorts_); }

}  // namespace quill
