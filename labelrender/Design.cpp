#include "labelrender/Design.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quill::labelrender {

namespace {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

const ContentTemplate* DesignObject::Contents() const {
    return std::visit(
        [](const auto& k) -> const ContentTemplate* {
            using K = std::decay_t<decltype(k)>;
            if constexpr (requires { k.contents; }) {
                static_assert(std::is_same_v<decltype(K::contents), ContentTemplate>);
                return &k.contents;
            } else {
                return nullptr;
            }
        },
        kind);
}

std::string_view TypeName(const ObjectKind& kind) {
    static constexpr std::array<std::string_view, std::variant_size_v<ObjectKind>> names = {
        "Text", "Barcode", "DataMatrix", "QRCode", "Image", "Line", "Rectangle", "Ellipse"};
    return names[kind.index()];
}

Length PageGeometry::PageWidth() const {
    if (pageWidth) return *pageWidth;
    return marginLeft * 2 + labelWidth * cols + gapX * (cols - 1);
}

Length PageGeometry::PageHeight() const {
    if (pageHeight) return *pageHeight;
    return marginTop * 2 + labelHeight * rows + gapY * (rows - 1);
}

Length PageGeometry::LabelX(int index) const {
    const int col = index % cols;
    return marginLeft + (labelWidth + gapX) * col;
}

Length PageGeometry::LabelY(int index) const {
    const int row = index / cols;
    return marginTop + (labelHeight + gapY) * row;
}

std::vector<std::string> Design::VariableNames() const {
    std::vector<std::string> names;
    for (const DesignObject& object : objects) {
        const ContentTemplate* contents = object.Contents();
        if (!contents) continue;
        for (std::string& name : contents->VariableNames()) {
            const bool known = std::any_of(names.begin(), names.end(),
                                           [&](const std::string& n) { return EqualsIgnoreCase(n, name); });
            if (!known) names.push_back(std::move(name));
        }
    }
    return names;
}

bool Design::UsesVariable(std::string_view name) const {
    const auto names = VariableNames();
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return EqualsIgnoreCase(n, name); });
}

}  // namespace quill::labelrender
