#include "print_app/DesignListFill.h"

#include <exception>
#include <typeinfo>

#include "core/LabelRecord.h"
#include "core/Logging.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "print_app/DesignDescriptions.h"
#include "print_app/DesignFiles.h"
#include "printing/DesignSketch.h"

namespace quill {

namespace {

constexpr const char* Unit = "FBaseSelectDesign";

void LogFillException(const char* routine, const std::exception& e) {
    LogException(Unit, routine, typeid(e).name(), e.what());
}

// One row per N.lbl of the folder, below `location` (top level when invalid).
void AddDesignRows(TDesignListModel& model, TMode mode, const QModelIndex& location, int id,
                   const std::string& designFolder, const std::string& labelFolder, int& number, TFillResult& result) {
    // Sketches not made yet would otherwise list the folder once each.
    const platform::FolderNames names(designFolder);
    for (const platform::FileEntry& entry : platform::ListFiles(designFolder, "*.lbl")) {
        // Anyone of the site may write here: a link could steer the
        // description writes and copies elsewhere, a FIFO would block.
        if (platform::KindOf(designFolder + entry.name) != platform::FileKind::Regular) continue;
        TDesignRow row;
        row.Id = id;
        row.Number = number++;
        row.Design = entry.name;
        row.DesignLocation = designFolder;
        row.LabelLocation = labelFolder;
        row.DateNs = entry.lastWriteNs;
        row.Description = ReadLabelDescription(designFolder + entry.name);
        ReadStatusAndSketch(mode, row, names);
        result.AnyMissingPrinterSettings |= row.Status != 0;
        ++result.Designs;
        model.AddRow(location, std::move(row));
    }
}

TFillResult SingleFolderDesignsFillList(TDesignListModel& model, TMode mode, const TCurrentDesignKey& current) {
    TFillResult result;
    try {
        const std::string designFolder = AddBackslash(Mode(mode).DesignLocation);
        const std::string labelFolder = AddBackslash(Mode(mode).FileLocation);
        platform::CreateFolders(designFolder);
        int number = 0;
        AddDesignRows(model, mode, {}, 0, designFolder, labelFolder, number, result);
    } catch (const std::exception& e) {
        LogFillException("SingleFolderDesignsFillList", e);
    }
    result.Focus = model.FindDesign({}, current.Name);
    if (!result.Focus.isValid()) result.Focus = model.index(0, 0);
    return result;
}

TFillResult MultiFolderDesignsFillList(TDesignListModel& model, TMode mode, const TCurrentDesignKey& current) {
    TFillResult result;
    int number = 0;
    for (const auto& location : Mode(mode).Locations) {
        try {
            TDesignRow row;
            row.Id = location->Number;
            row.Number = -1;
            row.Design = location->Name;
            row.IsFolder = true;
            row.DesignLocation = AddBackslash(location->DesignLocation);
            row.LabelLocation = AddBackslash(location->FileLocation);
            const QModelIndex added = model.AddRow({}, std::move(row));
            const TDesignRow& shown = *model.Row(added);
            AddDesignRows(model, mode, added, shown.Id, shown.DesignLocation, shown.LabelLocation, number, result);
        } catch (const std::exception& e) {
            LogFillException("MultiFolderDesignsFillList", e);
        }
    }
    result.Focus = model.FindFirst([&](const TDesignRow& row) {
        return TDesignListModel::Text(row.Design).compare(TDesignListModel::Text(current.Name), Qt::CaseInsensitive) ==
                   0 &&
               row.DesignLocation == AddBackslash(current.DesignFolder);
    });
    if (!result.Focus.isValid()) result.Focus = model.FindFirst([](const TDesignRow&) { return true; });
    if (!result.Focus.isValid()) result.Focus = model.index(0, 0);
    return result;
}

}  // namespace

void ReadStatusAndSketch(TMode mode, TDesignRow& row) {
    ReadStatusAndSketch(mode, row, platform::FolderNames(row.DesignLocation));
}

void ReadStatusAndSketch(TMode mode, TDesignRow& row, const platform::FolderNames& names) {
    row.Status = 0;
    row.Sketch = TSketchPicture();
    if (IsDirectMode(mode)) return;
    const std::string& folder = row.DesignLocation;
    if (!platform::FileExists(names.Find(DesignBaseName(row.Design) + ".lbp"))) row.Status = 1;
    const std::string sketch = names.Find(DesignBaseName(row.Design) + ".lbv");
    const std::string jpeg = names.Find(DesignBaseName(row.Design) + ".jpg");
    // Pictures are read and written only as plain files: no links, no FIFOs.
    const auto unusable = [](const std::string& path) {
        const platform::FileKind kind = platform::KindOf(path);
        return kind != platform::FileKind::Missing && kind != platform::FileKind::Regular;
    };
    if (unusable(sketch) || unusable(jpeg) || !IsReadableDesignSize(folder + row.Design)) return;
    const bool haveSketch = platform::FileExists(sketch) || CreateSketch(mode, folder, folder, TLabelRecord{}, row.Design);
    if (!haveSketch) return;
    ConvertSketchWhenChanged(folder, row.Design);
    row.Sketch = TSketchPicture(CompanionPath(folder, row.Design, ".bmp"));
}

TFillResult DesignsFillList(TDesignListModel& model, TMode mode, const TCurrentDesignKey& current) {
    model.Clear();
    return Mode(mode).Locations.empty() ? SingleFolderDesignsFillList(model, mode, current)
                                        : MultiFolderDesignsFillList(model, mode, current);
}

}  // namespace quill
