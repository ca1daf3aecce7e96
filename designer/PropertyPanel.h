#pragma once
// The properties of the selected object, one field per key of the design
// format: position and size in mm, and what the object's type has (font,
// alignment, wrap and shrink with a minimum size, colours, symbology and
// its options, line width, corner radius, image file). Every field edits
// through the document: its typing is one undo step. Barcode contents are
// encoded as they are typed and libzint's reason is shown beside them.
#include <QWidget>
#include <functional>
#include <vector>

#include "designer/DesignDocument.h"

class QFormLayout;
class QLabel;

namespace quill::designer {

class TContentsEdit;

class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPanel(DesignDocument& document, QWidget* parent = nullptr);

    // Finds a field by its label text ("X", "Contents", ...), for tests and tours.
    QWidget* Field(const QString& label) const;
    // What the symbol's encoder says of the contents; empty when they encode.
    QString SymbolProblem() const;

private:
    using Edit = std::function<void(labelrender::DesignObject&)>;
    void Rebuild();
    void Refresh();
    void Apply(const QString& what, int field, const Edit& edit);
    void CheckSymbol();
    const labelrender::DesignObject* Current() const;

    void AddMm(const QString& label, std::function<labelrender::Length(const labelrender::DesignObject&)> get,
               std::function<void(labelrender::DesignObject&, labelrender::Length)> set, bool mayBeNegative = false);
    void AddNumber(const QString& label, double min, double max, int decimals, const QString& suffix,
                   std::function<double(const labelrender::DesignObject&)> get,
                   std::function<void(labelrender::DesignObject&, double)> set);
    void AddFlag(const QString& label, std::function<bool(const labelrender::DesignObject&)> get,
                 std::function<void(labelrender::DesignObject&, bool)> set);
    void AddChoice(const QString& label, const QStringList& choices,
                   std::function<int(const labelrender::DesignObject&)> get,
                   std::function<void(labelrender::DesignObject&, int)> set);
    void AddText(const QString& label, std::function<QString(const labelrender::DesignObject&)> get,
                 std::function<void(labelrender::DesignObject&, const QString&)> set);
    void AddContents();
    void AddFont();
    void AddColour(const QString& label, bool mayBeNone,
                   std::function<std::optional<labelrender::Colour>(const labelrender::DesignObject&)> get,
                   std::function<void(labelrender::DesignObject&, std::optional<labelrender::Colour>)> set);
    void AddImageFile();
    void AddKindFields(const labelrender::DesignObject& object);

    DesignDocument& document_;
    QFormLayout* form_;
    QLabel* heading_;
    QLabel* symbolProblem_ = nullptr;
    TContentsEdit* contentsEdit_ = nullptr;
    int fieldCount_ = 0;
    std::vector<int> shownFor_;
    std::size_t shownKind_ = ~std::size_t{0};
    std::vector<std::pair<QWidget*, std::function<void(const labelrender::DesignObject&)>>> refreshers_;
    bool refreshing_ = false;
};

}  // namespace quill::designer
