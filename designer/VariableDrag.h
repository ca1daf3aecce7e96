#pragma once
// What a variable dragged from the variables pane carries: its name and its
// type, under a MIME type of ours, so that the canvas can make the object
// the type asks for (a text, a barcode or a DataMatrix symbol).
#include <QMimeData>
#include <QString>
#include <memory>
#include <optional>

#include "labelrender/LabelJob.h"

namespace quill::designer {

inline constexpr char kVariableMimeType[] = "application/x-quill-variable";

struct DraggedVariable {
    QString name;
    labelrender::VariableType type = labelrender::VariableType::Text;
};

std::unique_ptr<QMimeData> VariableMimeData(const DraggedVariable& variable);
// nullopt when the data is not a dragged variable.
std::optional<DraggedVariable> ReadVariableMimeData(const QMimeData* data);

// "Text", "Barcode", "DataMatrix".
QString VariableTypeName(labelrender::VariableType type);

}  // namespace quill::designer
