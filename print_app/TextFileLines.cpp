#include "print_app/TextFileLines.h"

#include <QStringDecoder>

#include "print_app/LabelText.h"

namespace quill {

namespace {

constexpr qsizetype kProgressStep = 1 << 20;   // characters between progress reports

bool StartsWith(const std::string& bytes, std::string_view mark) { return bytes.starts_with(mark); }

}  // namespace

TTextFileValues SplitTextFileLine(const TTextFileLine& line) {
    TTextFileValues values;
    QStringView rest(line.text);
    for (QStringView& value : values) {
        if (rest.isEmpty()) break;
        const qsizetype at = rest.indexOf(line.separator);
        if (at < 0) {
            value = rest;
            break;
        }
        value = rest.left(at);
        rest = rest.mid(at + 1);
    }
    return values;
}

QChar DetectSeparator(QStringView line, QChar current) {
    if (line.contains(current)) return current;
    return current != u';' ? QChar(u';') : QChar(u',');
}

QString DecodeTextFile(const std::string& bytes, int codePage) {
    const auto decode = [&](QStringConverter::Encoding encoding, std::size_t skip) {
        QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
        return QString(decoder(QByteArrayView(bytes.data() + skip, static_cast<qsizetype>(bytes.size() - skip))));
    };
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return decode(QStringConverter::Utf8, 3);
    if (StartsWith(bytes, "\xFF\xFE")) return decode(QStringConverter::Utf16LE, 2);
    if (StartsWith(bytes, "\xFE\xFF")) return decode(QStringConverter::Utf16BE, 2);
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    return LabelBytesText(bytes, codePage == 65001 ? 1252 : codePage);
}

std::vector<TTextFileLine> SplitTextFile(const QString& text, QChar separator,
                                         const std::function<void(int percent)>& progress) {
    std::vector<TTextFileLine> lines;
    qsizetype start = 0, reported = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        QStringView line = QStringView(text).mid(start, end - start);
        if (line.endsWith(u'\r')) line.chop(1);
        separator = DetectSeparator(line, separator);
        lines.push_back({line.toString(), separator});
        start = end + 1;
        if (progress && start - reported >= kProgressStep) {
            reported = start;
            progress(static_cast<int>(start * 100 / text.size()));
        }
    }
    return lines;
}

}  // namespace quill
