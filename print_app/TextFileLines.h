#pragma once
// The lines of a text file to print from: each line one label, its values
// separated by the Separator setting or, when a line lacks it, by ";" or ","
// (each line keeps the separator found for it and hands it to the next).
// Files in UTF-8, UTF-16 (with byte order mark) or the label code page are
// read as text; lines are kept whole and split when a value is asked for,
// so a long file costs little more memory than its text.
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quill {

inline constexpr int TextFileColumnCount = 16;
using TTextFileValues = std::array<QStringView, TextFileColumnCount>;

struct TTextFileLine {
    QString text;
    QChar separator;
};

// The first sixteen values of the line; later ones are dropped, missing ones empty.
TTextFileValues SplitTextFileLine(const TTextFileLine& line);

// The separator a line is read with, given the one the line before used.
QChar DetectSeparator(QStringView line, QChar current);

// Decodes the file's bytes: a byte order mark decides, else valid UTF-8 is
// UTF-8, else the bytes are in the label code page.
QString DecodeTextFile(const std::string& bytes, int codePage);

// Lines of the decoded text; a final line break ends the last line rather
// than starting an empty one. `progress` hears the share done now and then.
std::vector<TTextFileLine> SplitTextFile(const QString& text, QChar separator,
                                         const std::function<void(int percent)>& progress = {});

}  // namespace quill
