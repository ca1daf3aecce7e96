#pragma once
// How many labels one page of a design holds.
#include <optional>
#include <string>

namespace quill {

struct TLabelDefinition {
    int Rows = 1;
    int Columns = 1;
    int LabelsPerPage() const { return Rows * Columns; }
};

// Rows and columns of the design at `designPath` (found without regard to
// case): Layout nRows / nCols, overridden by PageLayout Layout.Count.y /
// Layout.Count.x. nullopt when the file does not exist.
std::optional<TLabelDefinition> ReadLabelDefinition(const std::string& designPath);

}  // namespace quill
