#include "print_app/FDlgDesignName.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "print_app/DesignCommands.h"
#include "print_app/DesignListModel.h"
#include "print_app/PrintMessages.h"

namespace quill {

TfrmDlgDesignName::TfrmDlgDesignName(QWidget* parent) : ui::TfrmBase(parent) {
    setWindowTitle("Design Name");
    auto* group = new QGroupBox("Design Name", this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel("Enter design name for the copy", group));
    edtDesignName_ = new QLineEdit(group);
    edtDesignName_->setMinimumWidth(260);
    groupLayout->addWidget(edtDesignName_);
    cboxPrinterSettingsOverwrite_ = new QCheckBox("Overwrite Printer Settings", group);
    groupLayout->addWidget(cboxPrinterSettingsOverwrite_);

    auto* buttons = new QDialogButtonBox(this);
    btnOK_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    btnOK_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmDlgDesignName::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmDlgDesignName::SetDesignName(const QString& name) {
    designName_ = name;
    edtDesignName_->setText(name);
}

void TfrmDlgDesignName::SetOverwrite(bool overwrite) {
    overwrite_ = overwrite;
    cboxPrinterSettingsOverwrite_->setChecked(overwrite);
}

void TfrmDlgDesignName::SetShowOverwrite(bool show) {
    showOverwrite_ = show;
    cboxPrinterSettingsOverwrite_->setVisible(show);
}

void TfrmDlgDesignName::btnOKClick() {
    designName_ = edtDesignName_->text();
    overwrite_ = cboxPrinterSettingsOverwrite_->isChecked();
    accept();
}

std::optional<TCopyName> AskDesignCopyName(QWidget* parent, TMode mode, const std::string& sourceName, bool overwrite,
                                           bool showOverwrite, int destinations, const std::string& destinationFolder,
                                           const std::string& sourceFolder) {
    TfrmDlgDesignName dialog(parent);
    dialog.SetDesignName(TDesignListModel::Text(sourceName));
    dialog.SetOverwrite(overwrite);
    dialog.SetShowOverwrite(showOverwrite);
    const bool ownFolder = destinations == 1 && AddBackslash(destinationFolder) == AddBackslash(sourceFolder);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        const TDesignNameCheck check = CheckTypedDesignName(mode, dialog.DesignName().toStdString());
        if (!check.Valid) {
            ShowPlainMessage(&dialog, QString::fromStdString(check.Message));
            continue;
        }
        if (ownFolder && platform::FileExists(platform::FindCaseInsensitive(AddBackslash(sourceFolder), check.Name))) {
            ShowErrorMessage(&dialog, "Error: This name already exists!");
            continue;
        }
        return TCopyName{check.Name, dialog.Overwrite()};
    }
}

}  // namespace quill
