#include "engine/LabelFileChecker.h"

#include <exception>

#include "core/Utilities.h"
#include "core/Vocabularies.h"
#include "engine/LabelLineParsers.h"
#include "engine/LabelLines.h"
#include "engine/LabelTokens.h"

namespace quill {

namespace {

void PrintRecord(int lineNumber, const TLabelRecord& record, std::ostream& out) {
    out << "line " << lineNumber << ": amount " << record.Amount << ", design \""
        << EscapeControlCharacters(record.Design) << '"';
    if (record.Amount <= 0) out << " (nothing is printed)";
    out << '\n';
    for (int position = 0; position < record.FieldCount(); ++position) {
        const std::string_view value = record.FieldValue(position);
        if (value.empty()) continue;
        const std::string_view name = record.FieldName(position);
        out << "  ";
        if (name.empty())
            out << '#' << position;  // beyond the vocabulary
        else
            out << name;
        out << '=' << EscapeControlCharacters(value) << '\n';
    }
}

}  // namespace

int CheckLabelFile(TMode mode, const std::string& path, std::ostream& out) {
    std::string text;
    try {
        text = LoadLabelFile(path);
    } catch (const std::exception& error) {
        out << error.what() << '\n';
        return 2;
    }
    const std::vector<TField> vocabulary = BuildVocabulary(mode);
    const TLabelSource source{mode, vocabulary, {}, {}, FieldSeparator()};
    TLabelRecord record;
    int requests = 0;
    long long labels = 0;
    try {
        ForEachLabelRecord(source, text, record, [&](int lineNumber, const TLabelRecord& parsed) {
            PrintRecord(lineNumber, parsed, out);
            ++requests;
            if (parsed.Amount > 0) labels += parsed.Amount;
        });
    } catch (const TLabelFormatError& error) {
        out << "format error at " << EscapeControlCharacters(error.what()) << "; the engine reads no further lines\n";
        return 1;
    }
    out << "valid: " << requests << " label lines, " << labels << " labels\n";
    return 0;
}

}  // namespace quill
