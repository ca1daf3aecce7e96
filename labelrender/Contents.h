#pragma once
// The contents of a text or barcode object: literal text mixed with
// variables, written "Locker {Locker} - {WearerName}". "{{" and "}}" stand
// for literal braces. A variable name is letters, digits, '.', '_' and '-'
// ("Row.01.Type", "Header.BarcodeIDCode").
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::labelrender {

class ContentTemplate {
public:
    struct Part {
        bool isVariable = false;
        std::string text;   // literal UTF-8 text, or the variable's name
        bool operator==(const Part&) const = default;
    };

    ContentTemplate() = default;

    // nullopt, with the reason in `error`, for malformed contents.
    static std::optional<ContentTemplate> Parse(std::string_view source, std::string* error = nullptr);
    // The source form, escapes restored; Parse(Source()) gives the same parts.
    std::string Source() const;

    const std::vector<Part>& parts() const { return parts_; }
    std::vector<std::string> VariableNames() const;
    bool IsEmpty() const { return parts_.empty(); }
    bool operator==(const ContentTemplate&) const = default;

    // Literal parts as they stand, each variable replaced by `value(name)`.
    std::string Expand(const std::function<std::string(const std::string&)>& value) const;

private:
    std::vector<Part> parts_;
};

bool IsValidVariableName(std::string_view name);

}  // namespace quill::labelrender
