#include "printing/DirectPreview.h"

#include "core/Utilities.h"

namespace quill {

std::vector<std::string> DirectLineBytes(const std::vector<std::string>& lines, const TLabelRecord& record,
                                         const TPrinterCommands& commands) {
    std::vector<std::size_t> lineEnds;
    const std::vector<std::string> pieces = BuildPieces(lines, record, commands, &lineEnds);
    std::vector<std::string> bytes;
    std::size_t piece = 0;
    for (const std::size_t end : lineEnds) {
        std::string& line = bytes.emplace_back();
        for (; piece < end; ++piece) line += pieces[piece];
    }
    return bytes;
}

std::string ReadableBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127 && c != '<')
            text.push_back(c);
        else
            text += DecimalByteCode(byte);
    }
    return text;
}

}  // namespace quill
