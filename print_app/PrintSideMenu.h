#pragma once
// The side menu of QuillPrint: one group per mode, in this order, each shown
// only when its mode is enabled; every item runs a numbered command.
#include <optional>
#include <span>

#include "core/UGlobals.h"

namespace quill {

enum class TPrintCommand { SelectDesign, PrintLabels, PrintLabelsByFile, NewLabel, ModifyLabel };

struct TSideMenuItem {
    const char* Caption;
    int Icon;      // into the 48 x 48 icon list, by the command's kind
    int Command;
    TPrintCommand Kind;
};

struct TSideMenuGroup {
    const char* Caption;
    TMode Mode;
    std::span<const TSideMenuItem> Items;
};

// The nine groups; a group's number is its place here (0 "Manual" .. 8).
std::span<const TSideMenuGroup> SideMenuGroups();

struct TCommandTarget {
    TPrintCommand Kind;
    TMode Mode;
};
// What command number `command` does; nullopt for an unknown number.
std::optional<TCommandTarget> FindCommand(int command);

}  // namespace quill
