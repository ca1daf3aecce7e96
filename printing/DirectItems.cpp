#include "printing/DirectItems.h"

#include <algorithm>
#include <charconv>

#include "core/Utilities.h"

namespace quill {

namespace {

// A decimal integer with an optional sign after leading blanks; nothing
// else may follow it.
std::optional<int> ParseInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The byte of a decimal number 0..255, or nothing.
std::optional<char> ParseByte(std::string_view text) {
    const auto value = ParseInt(text);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return static_cast<char>(static_cast<unsigned char>(*value));
}

bool StartsWithDigit(std::string_view text) { return !text.empty() && text.front() >= '0' && text.front() <= '9'; }

std::string_view FieldValue(const TLabelRecord& record, std::string_view name) {
    for (int i = 0; i < record.FieldCount(); ++i)
        if (record.FieldName(i) == name) return record.FieldValue(i);
    return {};
}

// `length` characters from position `from` (counted from 1); a position
// before the first counts as the first.
std::string_view Part(std::string_view value, int from, int length) {
    if (length <= 0) return {};
    const auto start = static_cast<std::size_t>(std::max(from, 1) - 1);
    if (start >= value.size()) return {};
    return value.substr(start, static_cast<std::size_t>(length));
}

std::string Aligned(std::string_view part, int length, int align) {
    const auto width = static_cast<std::size_t>(std::clamp(length, 0, MaxAlignedLength));
    std::string text(part);
    if (text.size() >= width) return text;
    const std::size_t fill = width - text.size();
    switch (align) {
        case 1: return text.append(fill, ' ');
        case 2: return std::string(fill, ' ') + text;
        case 3: return std::string(fill, '0') + text;
        default: return text;
    }
}

// "(" name[,from,length[,align]] ")"
std::string FieldItemValue(std::string_view item, const TLabelRecord& record) {
    item.remove_prefix(1);
    if (!item.empty() && item.back() == ')') item.remove_suffix(1);
    const std::vector<std::string_view> parts = SplitAt(item, ',');
    const std::string_view value = FieldValue(record, parts[0]);
    if (parts.size() < 2) return std::string(value);
    const auto from = ParseInt(parts[1]);
    const auto length = parts.size() >= 3 ? ParseInt(parts[2]) : std::nullopt;
    if (!from || !length) return std::string(value);
    const int align = parts.size() >= 4 ? ParseInt(parts[3]).value_or(0) : 0;
    return Aligned(Part(value, *from, *length), *length, align);
}

std::string CommandValue(std::string_view name, const TPrinterCommands& commands) {
    const std::size_t count = std::min(commands.Names.size(), commands.Values.size());
    for (std::size_t i = 0; i < count; ++i)
        if (commands.Names[i] == name) return CommandBytes(commands.Values[i]);
    return {};
}

}  // namespace

std::optional<std::string_view> NextItem(std::string_view& rest) {
    const auto open = rest.find('<');
    if (open == std::string_view::npos) return std::nullopt;
    const auto close = rest.find('>', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view item = rest.substr(open + 1, close - open - 1);
    rest.remove_prefix(close + 1);
    return item;
}

std::vector<std::string_view> LineItems(std::string_view line) {
    std::vector<std::string_view> items;
    while (const auto item = NextItem(line)) {
        if (item->empty()) break;
        items.push_back(*item);
    }
    return items;
}

std::string CommandBytes(std::string_view escValue) {
    if (!StartsWithDigit(escValue)) return std::string(escValue);
    std::string bytes;
    for (std::string_view part : SplitAt(escValue, ',')) {
        const auto byte = StartsWithDigit(part) ? ParseByte(part) : std::nullopt;
        if (byte)
            bytes.push_back(*byte);
        else
            bytes.append(part);
    }
    return bytes;
}

std::string ItemValue(std::string_view item, const TLabelRecord& record, const TPrinterCommands& commands) {
    if (item.empty()) return {};
    switch (item.front()) {
        case '(': return FieldItemValue(item, record);
        case '"': return item.size() < 2 ? std::string() : std::string(item.substr(1, item.size() - 2));
        default: break;
    }
    if (StartsWithDigit(item)) {
        const auto byte = ParseByte(item);
        return byte ? std::string(1, *byte) : std::string(item);
    }
    return CommandValue(item, commands);
}

void ApplyBarcodeLengths(std::vector<std::string>& pieces) {
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        std::string& piece = pieces[i];
        const std::size_t next = pieces[i + 1].size();
        const bool barcode = piece.size() >= 4 && piece[0] == '\x1b' && piece[1] == 'B';
        if (barcode && (next == 6 || next == 8 || next == 10 || next == 12)) piece[3] = static_cast<char>(next);
    }
}

std::vector<std::string> BuildPieces(const std::vector<std::string>& lines, const TLabelRecord& record,
                                     const TPrinterCommands& commands, std::vector<std::size_t>* lineEnds) {
    std::vector<std::string> pieces;
    if (lineEnds) lineEnds->clear();
    for (const std::string& line : lines) {
        for (std::string_view item : LineItems(line)) pieces.push_back(ItemValue(item, record, commands));
        if (lineEnds) lineEnds->push_back(pieces.size());
    }
    ApplyBarcodeLengths(pieces);
    return pieces;
}

}  // namespace quill
