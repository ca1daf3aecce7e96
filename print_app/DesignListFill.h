#pragma once
// Filling a design list from the disk: every N.lbl of the design folder (or
// of each location of a multi-folder list) becomes a row with its
// description, date, printer-settings status and sketch.
#include <string>

#include <QModelIndex>

#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "print_app/DesignListModel.h"

namespace quill {

struct TFillResult {
    int Designs = 0;
    bool AnyMissingPrinterSettings = false;
    QModelIndex Focus;   // the row of the current design, else the first design
};

// The current design the fill keeps focused: by name, and in a multi-folder
// list also by design folder.
struct TCurrentDesignKey {
    std::string Name;
    std::string DesignFolder;
};

// Status and sketch of a design row, as a fill finds them: N.lbp missing
// means status 1; N.lbv is made when missing and turned into N.bmp when it
// changed. Direct designs have neither. The row's DesignLocation and Design must be set.
void ReadStatusAndSketch(TMode mode, TDesignRow& row);
// The same, with the companions looked up in `names` (of DesignLocation).
void ReadStatusAndSketch(TMode mode, TDesignRow& row, const platform::FolderNames& names);

// Clears the model and fills it for `mode`: a multi-folder list when the
// mode has at least one location, else the mode's design folder (created
// when missing). Failures are logged; the rows read so far stay.
TFillResult DesignsFillList(TDesignListModel& model, TMode mode, const TCurrentDesignKey& current);

}  // namespace quill
