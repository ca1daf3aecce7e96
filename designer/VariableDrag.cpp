#include "designer/VariableDrag.h"

#include <QStringList>

#include "labelrender/Contents.h"

namespace quill::designer {

using labelrender::VariableType;

QString VariableTypeName(VariableType type) {
    switch (type) {
    case VariableType::Barcode: return QStringLiteral("Barcode");
    case VariableType::DataMatrix: return QStringLiteral("DataMatrix");
    case VariableType::Text: break;
    }
    return QStringLiteral("Text");
}

std::unique_ptr<QMimeData> VariableMimeData(const DraggedVariable& variable) {
    auto data = std::make_unique<QMimeData>();
    // "<type> <name>": names have no blanks
    data->setData(QString::fromLatin1(kVariableMimeType),
                  (VariableTypeName(variable.type) + ' ' + variable.name).toUtf8());
    // other programs (a text editor) get the contents form
    data->setText('{' + variable.name + '}');
    return data;
}

std::optional<DraggedVariable> ReadVariableMimeData(const QMimeData* data) {
    if (!data || !data->hasFormat(QString::fromLatin1(kVariableMimeType))) return std::nullopt;
    const QStringList parts = QString::fromUtf8(data->data(QString::fromLatin1(kVariableMimeType))).split(' ');
    if (parts.size() != 2 || !labelrender::IsValidVariableName(parts[1].toStdString())) return std::nullopt;
    for (const VariableType type : {VariableType::Text, VariableType::Barcode, VariableType::DataMatrix})
        if (parts[0] == VariableTypeName(type)) return DraggedVariable{parts[1], type};
    return std::nullopt;
}

}  // namespace quill::designer
