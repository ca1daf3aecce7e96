#pragma once
// The variables a job defines: name, contents (bytes in the label code
// page) and type. Names compare without regard to ASCII case, as the
// designs written by hand on Windows expect.
#include <map>
#include <string>
#include <string_view>

#include "labelrender/LabelJob.h"

namespace quill::labelrender {

struct Variable {
    std::string contents;
    VariableType type = VariableType::Text;
};

struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

class VariableSet {
public:
    void Clear() { variables_.clear(); }
    void Define(const std::string& name, std::string contents, VariableType type);
    const Variable* Find(std::string_view name) const;
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    // By name, ignoring case: what a designer lists.
    const std::map<std::string, Variable, CaseInsensitiveLess>& All() const { return variables_; }

private:
    std::map<std::string, Variable, CaseInsensitiveLess> variables_;
};

}  // namespace quill::labelrender
