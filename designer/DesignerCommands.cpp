#include "designer/DesignerCommands.h"

#include <algorithm>

namespace quill::designer {

namespace {

using C = CommandId;
constexpr int kNoIcon = -1;

constexpr DesignerCommand kCommands[] = {
    {C::Save, "&File", "&Save", "Ctrl+S", QStyle::SP_DialogSaveButton, true, false},
    {C::PageSetup, "&File", "&Page and Stock...", "Ctrl+Shift+P", QStyle::SP_FileDialogDetailedView, true, false},
    {C::Printer, "&File", "P&rinter...", "Ctrl+P", QStyle::SP_ComputerIcon, true, false},
    {C::Close, "&File", "&Close Designer", "Ctrl+W", QStyle::SP_DialogCloseButton, false, false},

    {C::Undo, "&Edit", "&Undo", "Ctrl+Z", QStyle::SP_ArrowBack, true, false},
    {C::Redo, "&Edit", "&Redo", "Ctrl+Y", QStyle::SP_ArrowForward, true, false},
    {C::Cut, "&Edit", "Cu&t", "Ctrl+X", kNoIcon, false, false},
    {C::Copy, "&Edit", "&Copy", "Ctrl+C", kNoIcon, false, false},
    {C::Paste, "&Edit", "&Paste", "Ctrl+V", kNoIcon, false, false},
    {C::Duplicate, "&Edit", "D&uplicate", "Ctrl+D", kNoIcon, false, false},
    {C::Delete, "&Edit", "&Delete", "Del", QStyle::SP_TrashIcon, true, false},
    {C::SelectAll, "&Edit", "Select &All", "Ctrl+A", kNoIcon, false, false},

    {C::InsertText, "&Insert", "&Text", "Ctrl+Shift+T", kNoIcon, true, false},
    {C::InsertBarcode, "&Insert", "&Barcode", "Ctrl+Shift+B", kNoIcon, true, false},
    {C::InsertDataMatrix, "&Insert", "&DataMatrix", "Ctrl+Shift+M", kNoIcon, true, false},
    {C::InsertQRCode, "&Insert", "&QR Code", "Ctrl+Shift+Q", kNoIcon, false, false},
    {C::InsertImage, "&Insert", "&Image", "Ctrl+Shift+I", kNoIcon, false, false},
    {C::InsertLine, "&Insert", "&Line", "Ctrl+Shift+L", kNoIcon, false, false},
    {C::InsertRectangle, "&Insert", "&Rectangle", "Ctrl+Shift+R", kNoIcon, false, false},
    {C::InsertEllipse, "&Insert", "&Ellipse", "Ctrl+Shift+E", kNoIcon, false, false},

    {C::Rotate, "&Arrange", "&Rotate 90\u00b0 Clockwise", "Ctrl+R", QStyle::SP_BrowserReload, true, false},
    {C::BringToFront, "&Arrange", "Bring to &Front", "Ctrl+Shift+]", kNoIcon, false, false},
    {C::BringForward, "&Arrange", "Bring For&ward", "Ctrl+]", kNoIcon, false, false},
    {C::SendBackward, "&Arrange", "Send Back&ward", "Ctrl+[", kNoIcon, false, false},
    {C::SendToBack, "&Arrange", "Send to &Back", "Ctrl+Shift+[", kNoIcon, false, false},
    {C::AlignLeft, "&Arrange", "Align &Left", "Alt+Shift+Left", kNoIcon, false, false},
    {C::AlignHCentre, "&Arrange", "Align &Centres Across", "Alt+Shift+H", kNoIcon, false, false},
    {C::AlignRight, "&Arrange", "Align &Right", "Alt+Shift+Right", kNoIcon, false, false},
    {C::AlignTop, "&Arrange", "Align &Top", "Alt+Shift+Up", kNoIcon, false, false},
    {C::AlignVCentre, "&Arrange", "Align Centres &Down", "Alt+Shift+V", kNoIcon, false, false},
    {C::AlignBottom, "&Arrange", "Align &Bottom", "Alt+Shift+Down", kNoIcon, false, false},
    {C::DistributeHorizontally, "&Arrange", "Distribute &Across", "Alt+Shift+A", kNoIcon, false, false},
    {C::DistributeVertically, "&Arrange", "Distribute &Down", "Alt+Shift+D", kNoIcon, false, false},
    {C::CentreHorizontally, "&Arrange", "Centre on Label Acro&ss", "Ctrl+Alt+H", kNoIcon, false, false},
    {C::CentreVertically, "&Arrange", "Centre on Label Do&wn", "Ctrl+Alt+V", kNoIcon, false, false},
    {C::Group, "&Arrange", "&Group", "Ctrl+G", kNoIcon, false, false},
    {C::Ungroup, "&Arrange", "&Ungroup", "Ctrl+Shift+G", kNoIcon, false, false},
    {C::Lock, "&Arrange", "Loc&k", "Ctrl+L", kNoIcon, false, true},
    {C::NudgeLeft, "&Arrange", "Nudge Left 0.1 mm", "Left", kNoIcon, false, false},
    {C::NudgeRight, "&Arrange", "Nudge Right 0.1 mm", "Right", kNoIcon, false, false},
    {C::NudgeUp, "&Arrange", "Nudge Up 0.1 mm", "Up", kNoIcon, false, false},
    {C::NudgeDown, "&Arrange", "Nudge Down 0.1 mm", "Down", kNoIcon, false, false},
    {C::NudgeLeftFar, "&Arrange", "Nudge Left 1 mm", "Shift+Left", kNoIcon, false, false},
    {C::NudgeRightFar, "&Arrange", "Nudge Right 1 mm", "Shift+Right", kNoIcon, false, false},
    {C::NudgeUpFar, "&Arrange", "Nudge Up 1 mm", "Shift+Up", kNoIcon, false, false},
    {C::NudgeDownFar, "&Arrange", "Nudge Down 1 mm", "Shift+Down", kNoIcon, false, false},

    {C::ZoomIn, "&View", "Zoom &In", "Ctrl++", kNoIcon, true, false},
    {C::ZoomOut, "&View", "Zoom &Out", "Ctrl+-", kNoIcon, true, false},
    {C::ZoomFitLabel, "&View", "Fit &Label", "Ctrl+0", kNoIcon, true, false},
    {C::ZoomFitPage, "&View", "Fit &Page", "Ctrl+9", kNoIcon, false, false},
    {C::ZoomActual, "&View", "&Actual Size (1:1)", "Ctrl+1", kNoIcon, false, false},
    {C::ShowGrid, "&View", "Show &Grid", "Ctrl+'", kNoIcon, false, true},
    {C::SnapToGrid, "&View", "&Snap (hold Shift to suspend)", "Ctrl+Shift+'", kNoIcon, false, true},
    {C::ShowVariableNames, "&View", "Show &Variable Names", "Ctrl+Shift+N", kNoIcon, true, true},
    {C::PageView, "&View", "Whole Pa&ge", "Ctrl+Shift+A", kNoIcon, false, true},
};

QString Plain(const char* text) { return QString::fromUtf8(text).remove('&'); }

}  // namespace

std::span<const DesignerCommand> DesignerCommands() { return kCommands; }

const DesignerCommand& CommandInfo(CommandId id) {
    return *std::find_if(std::begin(kCommands), std::end(kCommands),
                         [id](const DesignerCommand& c) { return c.id == id; });
}

QString ShortcutReference() {
    QString table = QStringLiteral("| Menu | Command | Shortcut |\n|---|---|---|\n");
    for (const DesignerCommand& c : kCommands) {
        const QString keys = QKeySequence(QString::fromLatin1(c.shortcut)).toString(QKeySequence::NativeText);
        table += QStringLiteral("| %1 | %2 | %3 |\n")
                     .arg(Plain(c.menu), Plain(c.text), keys.isEmpty() ? QStringLiteral("-") : "`" + keys + "`");
    }
    return table;
}

}  // namespace quill::designer
