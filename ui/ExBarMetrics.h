#pragma once
// The side-menu bar's layout numbers, shared by the bar, its groups and items.

namespace quill::ui::exbar {

constexpr int LeftX = 12;
constexpr int TopY = 8;
constexpr int HeaderHeight = 32;
constexpr int GroupGap = 8;
constexpr int ItemsPadding = 8;
constexpr int ItemGap = 4;
constexpr int DefaultItemHeight = 20;

}  // namespace quill::ui::exbar
