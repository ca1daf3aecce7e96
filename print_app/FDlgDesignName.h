#pragma once
// The name of a design copy, and whether it replaces the printer settings
// of a design of that name at the destination.
#include <optional>
#include <string>

#include "core/UGlobals.h"
#include "ui/BaseForms.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quill {

class TfrmDlgDesignName : public ui::TfrmBase {
    Q_OBJECT
public:
    explicit TfrmDlgDesignName(QWidget* parent = nullptr);

    void SetDesignName(const QString& name);
    void SetOverwrite(bool overwrite);
    void SetShowOverwrite(bool show);
    const QString& DesignName() const { return designName_; }
    bool Overwrite() const { return overwrite_; }
    bool ShowOverwrite() const { return showOverwrite_; }

    QLineEdit* edtDesignName() const { return edtDesignName_; }
    QCheckBox* cboxPrinterSettingsOverwrite() const { return cboxPrinterSettingsOverwrite_; }
    QPushButton* btnOK() const { return btnOK_; }

private:
    void btnOKClick();

    QLineEdit* edtDesignName_;
    QCheckBox* cboxPrinterSettingsOverwrite_;
    QPushButton* btnOK_;
    QString designName_;
    bool overwrite_ = false;
    bool showOverwrite_ = true;
};

struct TCopyName {
    std::string Name;   // with ".lbl"
    bool OverwritePrinterSettings = false;
};

// Asks until the name passes the mode's naming rules and, for a copy into
// its own folder (one destination, the source's folder), is not taken
// there: "Error: This name already exists!". nullopt when cancelled.
std::optional<TCopyName> AskDesignCopyName(QWidget* parent, TMode mode, const std::string& sourceName, bool overwrite,
                                           bool showOverwrite, int destinations, const std::string& destinationFolder,
                                           const std::string& sourceFolder);

}  // namespace quill
