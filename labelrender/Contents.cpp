#include "labelrender/Contents.h"

namespace quill::labelrender {

namespace {

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
}

void AppendLiteral(std::vector<ContentTemplate::Part>& parts, char c) {
    if (parts.empty() || parts.back().isVariable) parts.push_back({false, {}});
    parts.back().text.push_back(c);
}

}  // namespace

bool IsValidVariableName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!IsNameChar(c)) return false;
    return true;
}

std::optional<ContentTemplate> ContentTemplate::Parse(std::string_view source, std::string* error) {
    auto fail = [&](std::string why) -> std::optional<ContentTemplate> {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    ContentTemplate result;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '{') {
            if (i + 1 < source.size() && source[i + 1] == '{') {
                AppendLiteral(result.parts_, '{');
                ++i;
                continue;
            }
            const std::size_t close = source.find('}', i + 1);
            if (close == std::string_view::npos)
                return fail("unclosed '{' at position " + std::to_string(i + 1));
            const std::string_view name = source.substr(i + 1, close - i - 1);
            if (!IsValidVariableName(name))
                return fail("bad variable name '{" + std::string(name) + "}' at position " + std::to_string(i + 1));
            result.parts_.push_back({true, std::string(name)});
            i = close;
        } else if (c == '}') {
            if (i + 1 < source.size() && source[i + 1] == '}') {
                AppendLiteral(result.parts_, '}');
                ++i;
                continue;
            }
            return fail("'}' without '{' at position " + std::to_string(i + 1) + " (write '}}' for a brace)");
        } else {
            AppendLiteral(result.parts_, c);
        }
    }
    return result;
}

std::string ContentTemplate::Source() const {
    std::string out;
    for (const Part& part : parts_) {
        if (part.isVariable) {
            out += '{' + part.text + '}';
            continue;
        }
        for (char c : part.text) {
            out += c;
            if (c == '{' || c == '}') out += c;
        }
    }
    return out;
}

std::vector<std::string> ContentTemplate::VariableNames() const {
    std::vector<std::string> names;
    for (const Part& part : parts_)
        if (part.isVariable) names.push_back(part.text);
    return names;
}

std::string ContentTemplate::Expand(const std::function<std::string(const std::string&)>& value) const {
    std::string out;
    for (const Part& part : parts_) out += part.isVariable ? value(part.text) : part.text;
    return out;
}

}  // namespace quill::labelrender
