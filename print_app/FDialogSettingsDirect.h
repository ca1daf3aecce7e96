#pragma once
// "Printer settings" of a Direct design: the printer (whose command file
// the layout uses) and the port, from the lists of Printers.INI.
#include <optional>
#include <string>
#include <vector>

#include "ui/BaseForms.h"

class QListView;
class QStringListModel;

namespace quill {

class TfrmDialogSettingsDirect : public ui::TfrmBase {
    Q_OBJECT
public:
    // Each list preselects the design's value when it holds it, else its first entry.
    TfrmDialogSettingsDirect(const std::vector<std::string>& printers, const std::vector<std::string>& ports,
                             const std::string& printer, const std::string& port, QWidget* parent = nullptr);

    // Nothing for a list without a selection.
    std::optional<std::string> SelectedPrinter() const;
    std::optional<std::string> SelectedPort() const;

    QListView* PrinterList() const { return lstPrinters_; }
    QListView* PortList() const { return lstPorts_; }

private:
    QListView* lstPrinters_;
    QListView* lstPorts_;
};

}  // namespace quill
