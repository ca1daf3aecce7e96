#include "print_app/PrintSideMenu.h"

#include <array>

namespace quill {

namespace {

using K = TPrintCommand;

constexpr TSideMenuItem ManualItems[] = {
    {"Select Design", 0, 1, K::SelectDesign}, {"Print Labels", 1, 2, K::PrintLabels},
    {"Print Labels by File", 2, 3, K::PrintLabelsByFile}, {"New Label", 3, 4, K::NewLabel},
    {"Modify Label", 4, 5, K::ModifyLabel},
};

// "New Label" and "Modify Label" with the commands `first` and `first + 1`.
constexpr std::array<TSideMenuItem, 2> DesignItems(int first) {
    return {{{"New Label", 3, first, K::NewLabel}, {"Modify Label", 4, first + 1, K::ModifyLabel}}};
}

constexpr auto VekItems = DesignItems(6);
constexpr auto LegacyItems = DesignItems(8);
constexpr auto CorvaneItems = DesignItems(10);
constexpr auto CorvanePwbItems = DesignItems(12);
constexpr auto TamberItems = DesignItems(14);
constexpr auto DirectItems = DesignItems(16);
constexpr auto DirectOrsItems = DesignItems(18);
constexpr auto CorvaneOrsItems = DesignItems(20);

const TSideMenuGroup Groups[] = {
    {"Manual", TMode::Manual, ManualItems},
    {"Vek-Legacy", TMode::VekLegacy, VekItems},
    {"Legacy", TMode::Legacy, LegacyItems},
    {"Corvane", TMode::Corvane, CorvaneItems},
    {"Corvane PWB", TMode::CorvanePWB, CorvanePwbItems},
    {"Tamber", TMode::Tamber, TamberItems},
    {"Direct Corvane", TMode::Direct, DirectItems},
    {"Direct ORS", TMode::DirectORS, DirectOrsItems},
    {"Corvane ORS", TMode::CorvaneORS, CorvaneOrsItems},
};

}  // namespace

std::span<const TSideMenuGroup> SideMenuGroups() { return Groups; }

std::optional<TCommandTarget> FindCommand(int command) {
    for (const TSideMenuGroup& group : Groups)
        for (const TSideMenuItem& item : group.Items)
            if (item.Command == command) return TCommandTarget{item.Kind, group.Mode};
    return std::nullopt;
}

}  // namespace quill
