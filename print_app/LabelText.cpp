#include "print_app/LabelText.h"

#include <QHash>
#include <map>

#include "platform/CodePage.h"

namespace quill {

namespace {

// The byte of every character a single-byte code page holds, made from the
// same table the labels are drawn with, so a value reads back as typed.
const QHash<char32_t, char>& SingleByteTable(int codePage) {
    static std::map<int, QHash<char32_t, char>> tables;
    auto [it, added] = tables.try_emplace(codePage);
    if (added)
        for (int byte = 255; byte >= 0; --byte) {
            const std::string one(1, static_cast<char>(byte));
            const QString text = QString::fromStdString(platform::LabelBytesToUtf8(one, codePage));
            const char32_t character = text.toUcs4().value(0);
            if (character != 0xFFFD) it->second.insert(character, static_cast<char>(byte));
        }
    return it->second;
}

QString Shown(char32_t character) {
    if (character < 0x20) return QString("code %1").arg(static_cast<unsigned>(character));
    return "\"" + QString::fromUcs4(&character, 1) + "\"";
}

}  // namespace

std::optional<std::string> LabelValueBytes(const QString& text, int codePage, char separator, const QString& where,
                                           QString& problem) {
    const QList<uint> characters = text.toUcs4();
    for (const uint character : characters) {
        if (character < 0x20 || character == 0x7F) {
            problem = QString("%1 holds the control character %2, which a label file cannot carry.")
                          .arg(where, Shown(character));
            return std::nullopt;
        }
        if (character == static_cast<unsigned char>(separator)) {
            problem = QString("%1 holds the separator \"%2\", which would split it into two values in the label file.")
                          .arg(where, QChar(separator));
            return std::nullopt;
        }
    }
    if (codePage == 65001) return text.toStdString();
    const QHash<char32_t, char>& table = SingleByteTable(codePage);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(characters.size()));
    for (const uint character : characters) {
        const auto it = table.constFind(character);
        if (it == table.constEnd()) {
            problem = QString("%1 holds the character %2, which the label code page (%3) cannot hold.")
                          .arg(where, Shown(character), QString::number(codePage == 0 ? 1252 : codePage));
            return std::nullopt;
        }
        bytes += *it;
    }
    return bytes;
}

QString LabelBytesText(const std::string& bytes, int codePage) {
    return QString::fromStdString(platform::LabelBytesToUtf8(bytes, codePage));
}

}  // namespace quill
