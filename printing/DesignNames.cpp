#include "printing/DesignNames.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace quill {

namespace {

constexpr std::string_view DesignExtension = ".lbl";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

bool HasDesignExtension(std::string_view name) {
    return name.size() >= DesignExtension.size() &&
           UpperCase(name.substr(name.size() - DesignExtension.size())) == UpperCase(DesignExtension);
}

bool IsTwoDigits(std::string_view base) { return base.size() == 2 && IsDigit(base[0]) && IsDigit(base[1]); }

// One of `letters` followed by two digits.
bool IsLetterAndTwoDigits(std::string_view base, std::string_view letters) {
    return base.size() == 3 && letters.find(base[0]) != std::string_view::npos && IsTwoDigits(base.substr(1));
}

std::string LengthMessage(int length) {
    return "Design filename must have a length of " + std::to_string(length) + " (without extension)";
}

// "Design filename must be C01.lbl ... C99.lbl, N01.lbl ... N99.lbl"
std::string RangeMessage(std::initializer_list<std::string_view> prefixes) {
    std::string message = "Design filename must be ";
    bool first = true;
    for (std::string_view prefix : prefixes) {
        if (!first) message += ", ";
        first = false;
        message += std::string(prefix) + "01.lbl ... " + std::string(prefix) + "99.lbl";
    }
    return message;
}

std::string CorvaneMessage() {
    return RangeMessage({"C", "N"}) +
           " \rDesign can also contain alphanumeric characters with a maximum length of 6.\r"
           "NOTE: Only characters valid for filenames are allowed.";
}

constexpr int CorvaneMaxLength = 6;

// The rule's message for `base`, empty when the base name is valid.
std::string RuleMessage(TMode mode, std::string_view base) {
    switch (mode) {
    case TMode::Legacy:
    case TMode::VekLegacy:
        if (base.size() != 2) return LengthMessage(2);
        return IsTwoDigits(base) ? "" : RangeMessage({""});
    case TMode::Manual:
        return base.empty() ? "Design has the wrong length!" : "";
    case TMode::Corvane:
        if (base.size() > CorvaneMaxLength)
            return "Design filename cannot be longer than " + std::to_string(CorvaneMaxLength) +
                   " (without extension)";
        if (!IsValidFileName(base) || std::string_view("CNU").find(base[0]) == std::string_view::npos)
            return CorvaneMessage();
        return "";
    case TMode::CorvanePWB:
        if (base.size() != 3) return LengthMessage(3);
        return IsLetterAndTwoDigits(base, "R") ? "" : RangeMessage({"R"});
    case TMode::Tamber:
        if (base.size() != 3) return LengthMessage(3);
        return IsLetterAndTwoDigits(base, "CN") ? "" : CorvaneMessage();
    case TMode::DirectORS:
    case TMode::CorvaneORS:
        if (base.size() != 3) return LengthMessage(3);
        return IsLetterAndTwoDigits(base, "ADLP") ? "" : RangeMessage({"A", "D", "P", "L"});
    case TMode::Direct:
        break;
    }
    return "";
}

bool IsDeviceName(std::string_view name) {
    const std::string upper = UpperCase(name.substr(0, name.find('.')));
    static constexpr std::array<std::string_view, 4> devices = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(devices.begin(), devices.end(), upper) != devices.end()) return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
           upper[3] <= '9';
}

}  // namespace

bool IsValidFileName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    if (name.back() == '.' || name.back() == ' ') return false;
    constexpr std::string_view reserved = "\"*,/:;<>?\\|";
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 || reserved.find(c) != std::string_view::npos) return false;
    }
    return !IsDeviceName(name);
}

TDesignNameCheck CheckDesignName(TMode mode, std::string_view name) {
    TDesignNameCheck check;
    check.Name = HasDesignExtension(name) ? std::string(name) : std::string(name) + std::string(DesignExtension);
    const std::string_view base = std::string_view(check.Name).substr(0, check.Name.size() - DesignExtension.size());
    check.Message = RuleMessage(mode, base);
    check.Valid = check.Message.empty();
    return check;
}

}  // namespace quill
