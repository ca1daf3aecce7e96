#include "labelrender/Variables.h"

#include <algorithm>
#include <cctype>

namespace quill::labelrender {

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

void VariableSet::Define(const std::string& name, std::string contents, VariableType type) {
    const auto it = variables_.find(name);
    if (it != variables_.end()) {
        it->second = {std::move(contents), type};
        return;
    }
    variables_.emplace(name, Variable{std::move(contents), type});
}

const Variable* VariableSet::Find(std::string_view name) const {
    const auto it = variables_.find(name);
    return it == variables_.end() ? nullptr : &it->second;
}

}  // namespace quill::labelrender
