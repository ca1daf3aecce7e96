// Direct layout lines and printer command values: any bytes give pieces,
// never a crash, a hang or an unbounded piece. The first line of the input
// is a command's ESC value, the second a field value, the rest layout lines.
#include <algorithm>

#include "core/Utilities.h"
#include "fuzz/FuzzSupport.h"
#include "printing/DirectItems.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    const fuzz::TInput input = fuzz::SplitInput(data, size);
    const std::vector<std::string_view> parts = SplitAt(input.Text, '\n');
    const std::string_view escValue = parts[0];
    const std::string_view fieldValue = parts.size() > 1 ? parts[1] : std::string_view();

    const std::string commandBytes = CommandBytes(escValue);
    fuzz::Require(commandBytes.size() <= escValue.size());

    const TMode mode = (input.Choice & 1) ? TMode::DirectORS : TMode::Direct;
    const std::vector<TField>& vocabulary = fuzz::Vocabulary(mode);
    TLabelRecord record;
    record.Mode = mode;
    for (const TField& field : vocabulary) record.AppendField(&field.Name, KindText, fieldValue);

    const TPrinterCommands commands{{"BC", "Fuzz", ""}, {"27,66,0,0", std::string(escValue), "1"}};
    std::vector<std::string> lines;
    std::size_t opens = 0;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        lines.emplace_back(parts[i]);
        opens += static_cast<std::size_t>(std::count(parts[i].begin(), parts[i].end(), '<'));
    }
    const std::vector<std::string> pieces = BuildPieces(lines, record, commands);
    fuzz::Require(pieces.size() <= opens);
    const std::size_t limit = std::max({fieldValue.size(), escValue.size(), static_cast<std::size_t>(MaxAlignedLength)});
    for (const std::string& piece : pieces) fuzz::Require(piece.size() <= std::max(limit, input.Text.size()));
    return 0;
}
