#include "engine/LabelLines.h"

#include <cerrno>
#include <system_error>

#include "engine/LabelLineParsers.h"
#include "platform/FileOps.h"

namespace quill {

std::string LoadLabelFile(const std::string& path) {
    std::optional<std::string> bytes = platform::ReadWholeFile(path);
    if (!bytes) throw std::system_error(errno, std::generic_category(), "Cannot read label file \"" + path + "\"");
    return std::move(*bytes);
}

std::vector<TLabelLine> SplitLabelLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<TLabelLine> lines;
    int number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end != 0) lines.push_back({number, text.substr(0, end)});
        if (end == std::string_view::npos) break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
        ++number;
    }
    return lines;
}

void ForEachLabelRecord(const TLabelSource& source, std::string_view text, TLabelRecord& record,
                        const std::function<void(int lineNumber, const TLabelRecord&)>& handle) {
    for (const TLabelLine& line : SplitLabelLines(text)) {
        ClearLabelRecord(record);
        record.DesignFolder = source.DesignFolder;
        record.LocationName = source.LocationName;
        try {
            ParseLabelLine(source.Mode, line.Text, source.Vocabulary, source.Separator, record);
            if (record.Amount > MaxLabelAmount)
                throw TLabelFormatError("amount " + std::to_string(record.Amount) + " is more than " +
                                        std::to_string(MaxLabelAmount) + " copies");
        } catch (const TLabelFormatError& error) {
            throw TLabelFormatError("line " + std::to_string(line.Number) + ": " + error.what());
        }
        handle(line.Number, record);
    }
}

}  // namespace quill
