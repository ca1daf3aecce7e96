#pragma once
// The one table of the designer's commands. The menus, the toolbar, the
// actions' shortcuts and the shortcut reference in the user guide are all
// made from it, so a command has the same text and keys everywhere.
#include <QKeySequence>
#include <QString>
#include <QStyle>
#include <span>

namespace quill::designer {

enum class CommandId {
    Save, PageSetup, Printer, Close,
    Undo, Redo, Cut, Copy, Paste, Duplicate, Delete, SelectAll,
    InsertText, InsertBarcode, InsertDataMatrix, InsertQRCode, InsertImage, InsertLine, InsertRectangle,
    InsertEllipse,
    Rotate, BringToFront, BringForward, SendBackward, SendToBack,
    AlignLeft, AlignHCentre, AlignRight, AlignTop, AlignVCentre, AlignBottom,
    DistributeHorizontally, DistributeVertically, CentreHorizontally, CentreVertically,
    Group, Ungroup, Lock,
    NudgeLeft, NudgeRight, NudgeUp, NudgeDown, NudgeLeftFar, NudgeRightFar, NudgeUpFar, NudgeDownFar,
    ZoomIn, ZoomOut, ZoomFitLabel, ZoomFitPage, ZoomActual, ShowGrid, SnapToGrid, ShowVariableNames, PageView,
};

struct DesignerCommand {
    CommandId id;
    const char* menu;       // the menu it is in
    const char* text;       // with the menu mnemonic
    const char* shortcut;   // portable text of a QKeySequence; "" for none
    int icon;               // a QStyle::StandardPixmap, or -1
    bool toolbar;           // also on the toolbar
    bool checkable;
};

std::span<const DesignerCommand> DesignerCommands();
const DesignerCommand& CommandInfo(CommandId id);

// The shortcut reference as a Markdown table, as the user guide shows it.
QString ShortcutReference();

}  // namespace quill::designer
