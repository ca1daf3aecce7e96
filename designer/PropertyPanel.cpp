#include "designer/PropertyPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "designer/ContentsEdit.h"
#include "labelrender/LabelContent.h"
#include "labelrender/Symbol.h"

namespace quill::designer {

using namespace labelrender;

namespace {

template <typename K>
K& As(DesignObject& o) {
    return std::get<K>(o.kind);
}
template <typename K>
const K& As(const DesignObject& o) {
    return std::get<K>(o.kind);
}

ContentTemplate* ContentsOf(DesignObject& o) { return const_cast<ContentTemplate*>(o.Contents()); }

// A length field: a number with its unit, to the micrometre.
QDoubleSpinBox* MmBox(bool mayBeNegative) {
    auto* box = new QDoubleSpinBox;
    box->setDecimals(3);
    box->setRange(mayBeNegative ? -5000 : 0, 5000);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setKeyboardTracking(true);
    box->setAccelerated(true);
    return box;
}

QString ColourName(std::optional<Colour> c) {
    return c ? QColor::fromRgb(static_cast<QRgb>(c->rgb | 0xFF000000u)).name() : QObject::tr("none");
}

}  // namespace

PropertyPanel::PropertyPanel(DesignDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    layout->addWidget(heading_);
    auto* holder = new QWidget(this);
    form_ = new QFormLayout(holder);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(holder);
    layout->addStretch();
    connect(&document_, &DesignDocument::selectionChanged, this, &PropertyPanel::Rebuild);
    connect(&document_, &DesignDocument::changed, this, &PropertyPanel::Refresh);
    Rebuild();
}

const DesignObject* PropertyPanel::Current() const {
    if (document_.selection().size() != 1) return nullptr;
    return &document_.objects()[document_.selection().front()];
}

QWidget* PropertyPanel::Field(const QString& label) const {
    for (int row = 0; row < form_->rowCount(); ++row) {
        auto* name = qobject_cast<QLabel*>(form_->itemAt(row, QFormLayout::LabelRole)
                                               ? form_->itemAt(row, QFormLayout::LabelRole)->widget()
                                               : nullptr);
        if (name && name->text() == label) return form_->itemAt(row, QFormLayout::FieldRole)->widget();
    }
    return nullptr;
}

QString PropertyPanel::SymbolProblem() const { return symbolProblem_ ? symbolProblem_->text() : QString(); }

void PropertyPanel::Apply(const QString& what, int field, const Edit& edit) {
    if (refreshing_) return;
    document_.EditObjects(document_.selection(), what, static_cast<int>(MergeKey::Property) * 100 + field, edit);
}

void PropertyPanel::Rebuild() {
    const DesignObject* object = Current();
    const std::size_t kind = object ? object->kind.index() : ~std::size_t{0};
    if (document_.selection() == shownFor_ && kind == shownKind_) return Refresh();
    shownFor_ = document_.selection();
    shownKind_ = kind;
    document_.EndGesture();
    while (form_->rowCount() > 0) form_->removeRow(0);
    refreshers_.clear();
    symbolProblem_ = nullptr;
    contentsEdit_ = nullptr;
    fieldCount_ = 0;
    if (!object) {
        heading_->setText(document_.selection().empty() ? tr("No object selected")
                                                        : tr("%n objects selected", "", static_cast<int>(shownFor_.size())));
        return;
    }
    heading_->setText(tr("%1 (%2)").arg(QString::fromUtf8(TypeName(object->kind).data()),
                                        QString::fromStdString(object->name.empty() ? "new" : object->name)));
    const bool line = std::holds_alternative<LineObject>(object->kind);
    AddMm(tr("X"), [](const DesignObject& o) { return o.x; }, [](DesignObject& o, Length v) { o.x = v; }, true);
    AddMm(tr("Y"), [](const DesignObject& o) { return o.y; }, [](DesignObject& o, Length v) { o.y = v; }, true);
    AddMm(tr("Width"), [](const DesignObject& o) { return o.width; }, [](DesignObject& o, Length v) { o.width = v; },
          line);
    AddMm(tr("Height"), [](const DesignObject& o) { return o.height; },
          [](DesignObject& o, Length v) { o.height = v; }, line);
    if (!line)
        AddChoice(tr("Rotation"), {"0\u00b0", "90\u00b0", "180\u00b0", "270\u00b0"},
                  [](const DesignObject& o) { return o.rotation / 90; },
                  [](DesignObject& o, int i) { o.rotation = i * 90; });
    AddFlag(tr("Locked"), [](const DesignObject& o) { return o.locked; }, [](DesignObject& o, bool v) { o.locked = v; });
    AddKindFields(*object);
    Refresh();
}

void PropertyPanel::AddKindFields(const DesignObject& object) {
    std::visit(
        [&](const auto& k) {
            using K = std::decay_t<decltype(k)>;
            if constexpr (requires { k.contents; }) AddContents();
            if constexpr (std::is_same_v<K, TextObject>) {
                AddFont();
                AddNumber(tr("Font size"), 0.5, 1000, 1, tr(" pt"), [](const DesignObject& o) { return As<TextObject>(o).fontSizePt; },
                          [](DesignObject& o, double v) { As<TextObject>(o).fontSizePt = v; });
                AddFlag(tr("Bold"), [](const DesignObject& o) { return As<TextObject>(o).bold; },
                        [](DesignObject& o, bool v) { As<TextObject>(o).bold = v; });
                AddFlag(tr("Italic"), [](const DesignObject& o) { return As<TextObject>(o).italic; },
                        [](DesignObject& o, bool v) { As<TextObject>(o).italic = v; });
                AddChoice(tr("Align"), {tr("Left"), tr("Centre"), tr("Right")},
                          [](const DesignObject& o) { return static_cast<int>(As<TextObject>(o).align); },
                          [](DesignObject& o, int i) { As<TextObject>(o).align = static_cast<HAlign>(i); });
                AddChoice(tr("Vertical align"), {tr("Top"), tr("Middle"), tr("Bottom")},
                          [](const DesignObject& o) { return static_cast<int>(As<TextObject>(o).valign); },
                          [](DesignObject& o, int i) { As<TextObject>(o).valign = static_cast<VAlign>(i); });
                AddFlag(tr("Wrap words"), [](const DesignObject& o) { return As<TextObject>(o).wordWrap; },
                        [](DesignObject& o, bool v) { As<TextObject>(o).wordWrap = v; });
                AddFlag(tr("Shrink to fit"), [](const DesignObject& o) { return As<TextObject>(o).shrinkToFit; },
                        [](DesignObject& o, bool v) { As<TextObject>(o).shrinkToFit = v; });
                AddNumber(tr("Smallest size"), 0, 1000, 1, tr(" pt"),
                          [](const DesignObject& o) { return As<TextObject>(o).minFontSizePt; },
                          [](DesignObject& o, double v) { As<TextObject>(o).minFontSizePt = v; });
                AddColour(tr("Colour"), false, [](const DesignObject& o) { return std::optional(As<TextObject>(o).colour); },
                          [](DesignObject& o, std::optional<Colour> c) { As<TextObject>(o).colour = *c; });
            } else if constexpr (std::is_same_v<K, BarcodeObject>) {
                QStringList names;
                for (const SymbologyInfo& info : AllSymbologies()) names << QString::fromUtf8(info.name.data(), info.name.size());
                AddChoice(tr("Symbology"), names,
                          [](const DesignObject& o) {
                              const auto all = AllSymbologies();
                              for (std::size_t i = 0; i < all.size(); ++i)
                                  if (all[i].symbology == As<BarcodeObject>(o).symbology) return static_cast<int>(i);
                              return 0;
                          },
                          [](DesignObject& o, int i) { As<BarcodeObject>(o).symbology = AllSymbologies()[i].symbology; });
                AddFlag(tr("Text under bars"), [](const DesignObject& o) { return As<BarcodeObject>(o).humanReadable; },
                        [](DesignObject& o, bool v) { As<BarcodeObject>(o).humanReadable = v; });
                AddFlag(tr("Check digit"), [](const DesignObject& o) { return As<BarcodeObject>(o).checkDigit; },
                        [](DesignObject& o, bool v) { As<BarcodeObject>(o).checkDigit = v; });
                AddNumber(tr("Error correction"), 0, 8, 0, {}, [](const DesignObject& o) { return As<BarcodeObject>(o).errorCorrection * 1.0; },
                          [](DesignObject& o, double v) { As<BarcodeObject>(o).errorCorrection = static_cast<int>(v); });
                AddNumber(tr("Size"), 0, 200, 0, {}, [](const DesignObject& o) { return As<BarcodeObject>(o).size * 1.0; },
                          [](DesignObject& o, double v) { As<BarcodeObject>(o).size = static_cast<int>(v); });
                AddColour(tr("Colour"), false, [](const DesignObject& o) { return std::optional(As<BarcodeObject>(o).colour); },
                          [](DesignObject& o, std::optional<Colour> c) { As<BarcodeObject>(o).colour = *c; });
            } else if constexpr (std::is_same_v<K, DataMatrixObject> || std::is_same_v<K, QrCodeObject>) {
                AddFlag(tr("GS1 data"), [](const DesignObject& o) { return As<K>(o).gs1; },
                        [](DesignObject& o, bool v) { As<K>(o).gs1 = v; });
                AddNumber(tr("Size"), 0, std::is_same_v<K, QrCodeObject> ? 40 : 48, 0, {},
                          [](const DesignObject& o) { return As<K>(o).size * 1.0; },
                          [](DesignObject& o, double v) { As<K>(o).size = static_cast<int>(v); });
                if constexpr (std::is_same_v<K, QrCodeObject>)
                    AddChoice(tr("Error correction"), {tr("Encoder's choice"), "L", "M", "Q", "H"},
                              [](const DesignObject& o) { return As<QrCodeObject>(o).errorCorrection; },
                              [](DesignObject& o, int i) { As<QrCodeObject>(o).errorCorrection = i; });
                AddColour(tr("Colour"), false, [](const DesignObject& o) { return std::optional(As<K>(o).colour); },
                          [](DesignObject& o, std::optional<Colour> c) { As<K>(o).colour = *c; });
            } else if constexpr (std::is_same_v<K, ImageObject>) {
                AddImageFile();
            } else {
                AddMm(tr("Line width"), [](const DesignObject& o) { return As<K>(o).stroke.width; },
                      [](DesignObject& o, Length v) { As<K>(o).stroke.width = v; });
                AddColour(tr("Line colour"), false, [](const DesignObject& o) { return std::optional(As<K>(o).stroke.colour); },
                          [](DesignObject& o, std::optional<Colour> c) { As<K>(o).stroke.colour = *c; });
                if constexpr (requires { k.fill; })
                    AddColour(tr("Fill"), true, [](const DesignObject& o) { return As<K>(o).fill; },
                              [](DesignObject& o, std::optional<Colour> c) { As<K>(o).fill = c; });
                if constexpr (std::is_same_v<K, RectangleObject>)
                    AddMm(tr("Corner radius"), [](const DesignObject& o) { return As<RectangleObject>(o).cornerRadius; },
                          [](DesignObject& o, Length v) { As<RectangleObject>(o).cornerRadius = v; });
            }
        },
        object.kind);
}

void PropertyPanel::Refresh() {
    const DesignObject* object = Current();
    if (!object) return;
    if (object->kind.index() != shownKind_) return Rebuild();
    refreshing_ = true;
    for (auto& [widget, refresh] : refreshers_)
        if (!widget->hasFocus() || !widget->isEnabled()) refresh(*object);
    for (auto& [widget, refresh] : refreshers_) widget->setEnabled(!document_.IsReadOnly());
    refreshing_ = false;
    CheckSymbol();
}

void PropertyPanel::AddMm(const QString& label, std::function<Length(const DesignObject&)> get,
                          std::function<void(DesignObject&, Length)> set, bool mayBeNegative) {
    auto* box = MmBox(mayBeNegative);
    const int field = fieldCount_++;
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, label, field, set](double mm) {
        Apply(label, field, [&](DesignObject& o) { set(o, Length::mm(mm)); });
    });
    connect(box, &QDoubleSpinBox::editingFinished, &document_, &DesignDocument::EndGesture);
    refreshers_.emplace_back(box, [box, get](const DesignObject& o) {
        // an edit below the box's precision keeps its micrometres
        if (Length::mm(box->value()) != get(o)) box->setValue(get(o).mm());
    });
    form_->addRow(label, box);
}

void PropertyPanel::AddNumber(const QString& label, double min, double max, int decimals, const QString& suffix,
                              std::function<double(const DesignObject&)> get, std::function<void(DesignObject&, double)> set) {
    auto* box = new QDoubleSpinBox;
    box->setRange(min, max);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    const int field = fieldCount_++;
    connect(box, &QDoubleSpinBox::valueChanged, this,
            [this, label, field, set](double v) { Apply(label, field, [&](DesignObject& o) { set(o, v); }); });
    connect(box, &QDoubleSpinBox::editingFinished, &document_, &DesignDocument::EndGesture);
    refreshers_.emplace_back(box, [box, get](const DesignObject& o) { box->setValue(get(o)); });
    form_->addRow(label, box);
}

void PropertyPanel::AddFlag(const QString& label, std::function<bool(const DesignObject&)> get,
                            std::function<void(DesignObject&, bool)> set) {
    auto* box = new QCheckBox;
    const int field = fieldCount_++;
    connect(box, &QCheckBox::toggled, this, [this, label, field, set](bool v) {
        Apply(label, field, [&](DesignObject& o) { set(o, v); });
        document_.EndGesture();
    });
    refreshers_.emplace_back(box, [box, get](const DesignObject& o) { box->setChecked(get(o)); });
    form_->addRow(label, box);
}

void PropertyPanel::AddChoice(const QString& label, const QStringList& choices,
                              std::function<int(const DesignObject&)> get, std::function<void(DesignObject&, int)> set) {
    auto* box = new QComboBox;
    box->addItems(choices);
    box->setMaxVisibleItems(20);
    const int field = fieldCount_++;
    connect(box, &QComboBox::currentIndexChanged, this, [this, label, field, set](int i) {
        if (i < 0) return;
        Apply(label, field, [&](DesignObject& o) { set(o, i); });
        document_.EndGesture();
    });
    refreshers_.emplace_back(box, [box, get](const DesignObject& o) { box->setCurrentIndex(get(o)); });
    form_->addRow(label, box);
}

void PropertyPanel::AddText(const QString& label, std::function<QString(const DesignObject&)> get,
                            std::function<void(DesignObject&, const QString&)> set) {
    auto* edit = new QLineEdit;
    const int field = fieldCount_++;
    connect(edit, &QLineEdit::textEdited, this, [this, label, field, set](const QString& text) {
        Apply(label, field, [&](DesignObject& o) { set(o, text); });
    });
    connect(edit, &QLineEdit::editingFinished, &document_, &DesignDocument::EndGesture);
    refreshers_.emplace_back(edit, [edit, get](const DesignObject& o) {
        if (edit->text() != get(o)) edit->setText(get(o));
    });
    form_->addRow(label, edit);
}

void PropertyPanel::AddContents() {
    auto* edit = new TContentsEdit;
    edit->SetVariables(document_.variables());
    auto* problem = new QLabel;
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #c00000"));
    symbolProblem_ = problem;
    const int field = fieldCount_++;
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        // braces being typed are not contents yet: the field shows why, the design keeps its last good contents
        const auto parsed = ContentTemplate::Parse(text.toStdString());
        if (!parsed) return;
        Apply(tr("Contents"), field, [&](DesignObject& o) { *ContentsOf(o) = *parsed; });
    });
    connect(edit, &QLineEdit::editingFinished, &document_, &DesignDocument::EndGesture);
    connect(edit, &TContentsEdit::ProblemsChanged, this, [this](const QString&) { CheckSymbol(); });
    refreshers_.emplace_back(edit, [edit](const DesignObject& o) {
        const QString source = QString::fromStdString(o.Contents()->Source());
        if (edit->text() != source) edit->setText(source);
    });
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(problem);
    form_->addRow(tr("Contents"), column);
    contentsEdit_ = edit;
}

void PropertyPanel::CheckSymbol() {
    if (!symbolProblem_ || !contentsEdit_) return;
    const DesignObject* object = Current();
    if (!object) return;
    QString message = contentsEdit_->Problems().Message();
    if (message.isEmpty()) {
        // what the encoder says of the sample value, at once
        const std::string data = ExpandContents(*object->Contents(), document_.variables(), TextConversion{});
        if (auto request = SymbolRequestFor(object->kind, data); request && !data.empty()) {
            std::shared_ptr<const VectorSymbol> symbol;
            if (Status s = EncodeSymbol(*request, symbol); !s.ok()) message = QString::fromStdString(s.message);
        }
    }
    symbolProblem_->setText(message);
    symbolProblem_->setVisible(!message.isEmpty());
}

void PropertyPanel::AddFont() {
    auto* box = new QFontComboBox;
    const int field = fieldCount_++;
    connect(box, &QFontComboBox::currentFontChanged, this, [this, field](const QFont& font) {
        Apply(tr("Font"), field, [&](DesignObject& o) { As<TextObject>(o).fontFamily = font.family().toStdString(); });
        document_.EndGesture();
    });
    refreshers_.emplace_back(box, [box](const DesignObject& o) {
        box->setCurrentFont(QFont(QString::fromStdString(As<TextObject>(o).fontFamily)));
    });
    form_->addRow(tr("Font"), box);
}

void PropertyPanel::AddColour(const QString& label, bool mayBeNone,
                              std::function<std::optional<Colour>(const DesignObject&)> get,
                              std::function<void(DesignObject&, std::optional<Colour>)> set) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* button = new QPushButton;
    layout->addWidget(button, 1);
    const int field = fieldCount_++;
    connect(button, &QPushButton::clicked, this, [this, label, field, get, set, button] {
        const DesignObject* object = Current();
        if (!object) return;
        const auto now = get(*object);
        const QColor start = now ? QColor::fromRgb(static_cast<QRgb>(now->rgb | 0xFF000000u)) : QColor(Qt::white);
        const QColor chosen = QColorDialog::getColor(start, button, label);
        if (!chosen.isValid()) return;
        Apply(label, field, [&](DesignObject& o) { set(o, Colour{chosen.rgb() & 0xFFFFFFu}); });
        document_.EndGesture();
    });
    if (mayBeNone) {
        auto* none = new QPushButton(tr("None"));
        layout->addWidget(none);
        connect(none, &QPushButton::clicked, this, [this, label, field, set] {
            Apply(label, field, [&](DesignObject& o) { set(o, std::nullopt); });
            document_.EndGesture();
        });
    }
    refreshers_.emplace_back(row, [button, get](const DesignObject& o) { button->setText(ColourName(get(o))); });
    form_->addRow(label, row);
}

void PropertyPanel::AddImageFile() {
    AddText(tr("Image file"), [](const DesignObject& o) { return QString::fromStdString(As<ImageObject>(o).file); },
            [](DesignObject& o, const QString& text) { As<ImageObject>(o).file = text.toStdString(); });
    auto* browse = new QPushButton(tr("Choose Picture..."));
    const int field = fieldCount_++;
    connect(browse, &QPushButton::clicked, this, [this, field] {
        const QString folder = QString::fromStdString(document_.Folder());
        const QString file = QFileDialog::getOpenFileName(this, tr("Picture"), folder,
                                                          tr("Pictures (*.png *.jpg *.jpeg *.bmp)"));
        if (file.isEmpty()) return;
        // kept relative to the design's folder when it is inside it, so the design can move with its pictures
        const auto relative = std::filesystem::path(file.toStdString()).lexically_relative(document_.Folder());
        const std::string stored = !relative.empty() && *relative.begin() != ".." ? relative.string() : file.toStdString();
        Apply(tr("Image file"), field, [&](DesignObject& o) { As<ImageObject>(o).file = stored; });
        document_.EndGesture();
    });
    form_->addRow(QString(), browse);
}

}  // namespace quill::designer
