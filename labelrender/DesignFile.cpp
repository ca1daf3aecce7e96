// Reading and writing the .lbl design file (docs/design-format.md).
#include "labelrender/Design.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "labelrender/LabelJob.h"
#include "labelrender/Variables.h"
#include "platform/FileOps.h"
#include "platform/IniDocument.h"

namespace quill::labelrender {

namespace {

using platform::IniDocument;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A value as IniFile reads it: one pair of enclosing double quotes removed.
std::optional<std::string> Get(const IniDocument& doc, std::string_view section, std::string_view key) {
    auto raw = doc.Value(section, key);
    if (!raw) return std::nullopt;
    std::string_view value = *raw;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Reads one section's keys into typed values, remembering the first problem.
class SectionReader {
public:
    SectionReader(const IniDocument& doc, std::string section, Status& status,
                  std::vector<std::string>* problems = nullptr)
        : doc_(doc), section_(std::move(section)), status_(status), problems_(problems) {}

    std::optional<std::string> Text(std::string_view key) const { return Get(doc_, section_, key); }

    std::string Text(std::string_view key, std::string fallback) const {
        return Text(key).value_or(std::move(fallback));
    }

    Length Mm(std::string_view key, Length fallback, Length min, Length max) {
        const auto text = Text(key);
        if (!text || text->empty()) return fallback;
        double value = 0;
        const char* end = text->data() + text->size();
        const auto [ptr, ec] = std::from_chars(text->data(), end, value);
        if (ec != std::errc() || ptr != end || !std::isfinite(value) || std::fabs(value) > 1e7) {
            Fail(key, "'" + *text + "' is not a length in millimetres");
            return fallback;
        }
        const Length length = Length::mm(value);
        if (length < min || length > max) {
            Fail(key, *text + " mm is outside " + Format(min) + " to " + Format(max) + " mm");
            return fallback;
        }
        return length;
    }

    int Integer(std::string_view key, int fallback, int min, int max) {
        const auto text = Text(key);
        if (!text || text->empty()) return fallback;
        int value = 0;
        const char* end = text->data() + text->size();
        const auto [ptr, ec] = std::from_chars(text->data(), end, value);
        if (ec != std::errc() || ptr != end || value < min || value > max) {
            Fail(key, "'" + *text + "' is not a whole number from " + std::to_string(min) + " to " +
                          std::to_string(max));
            return fallback;
        }
        return value;
    }

    double Number(std::string_view key, double fallback, double min, double max) {
        const auto text = Text(key);
        if (!text || text->empty()) return fallback;
        double value = 0;
        const char* end = text->data() + text->size();
        const auto [ptr, ec] = std::from_chars(text->data(), end, value);
        if (ec != std::errc() || ptr != end || !(value >= min && value <= max)) {
            Fail(key, "'" + *text + "' is not a number from " + std::to_string(min) + " to " + std::to_string(max));
            return fallback;
        }
        return value;
    }

    bool Flag(std::string_view key, bool fallback) {
        const auto text = Text(key);
        if (!text || text->empty()) return fallback;
        const std::string v = Lower(*text);
        if (v == "1" || v == "true" || v == "yes") return true;
        if (v == "0" || v == "false" || v == "no") return false;
        Fail(key, "'" + *text + "' is not 0 or 1");
        return fallback;
    }

    // "#RRGGBB"; with `allowNone`, empty or "none" gives nullopt.
    std::optional<Colour> ColourValue(std::string_view key, std::optional<Colour> fallback, bool allowNone) {
        const auto text = Text(key);
        if (!text) return fallback;
        if (allowNone && (text->empty() || Lower(*text) == "none")) return std::nullopt;
        unsigned value = 0;
        if (text->size() == 7 && (*text)[0] == '#') {
            const char* end = text->data() + text->size();
            const auto [ptr, ec] = std::from_chars(text->data() + 1, end, value, 16);
            if (ec == std::errc() && ptr == end) return Colour{value};
        }
        Fail(key, "'" + *text + "' is not a colour #RRGGBB");
        return fallback;
    }

    template <typename Enum, std::size_t N>
    Enum Choice(std::string_view key, Enum fallback, const std::pair<std::string_view, Enum> (&choices)[N]) {
        const auto text = Text(key);
        if (!text || text->empty()) return fallback;
        for (const auto& [name, value] : choices)
            if (Lower(name) == Lower(*text)) return value;
        std::string allowed;
        for (const auto& choice : choices) allowed += (allowed.empty() ? "" : ", ") + std::string(choice.first);
        Fail(key, "'" + *text + "' is not one of " + allowed);
        return fallback;
    }

    ContentTemplate Contents() {
        const std::string source = Text("Contents", "");
        std::string why;
        auto parsed = ContentTemplate::Parse(source, &why);
        if (!parsed) {
            Report(Status::Error(LL_ERR_EXPRESSION, "[" + section_ + "] Contents: " + why));
            return {};
        }
        return *parsed;
    }

    void Fail(std::string_view key, const std::string& why) {
        Report(Status::Error(LL_ERR_BAD_DESIGN, "[" + section_ + "] " + std::string(key) + ": " + why));
    }

    // The first problem becomes the status; a lenient reader lists them all.
    void Report(Status problem) {
        if (problems_) problems_->push_back(problem.message);
        if (status_.ok()) status_ = std::move(problem);
    }

    static std::string Format(Length length) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.3f", length.mm());
        std::string text = buffer;
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        return text;
    }

private:
    const IniDocument& doc_;
    std::string section_;
    Status& status_;
    std::vector<std::string>* problems_;
};

constexpr std::pair<std::string_view, HAlign> kHAligns[] = {
    {"Left", HAlign::Left}, {"Center", HAlign::Center}, {"Right", HAlign::Right}, {"Centre", HAlign::Center}};
constexpr std::pair<std::string_view, VAlign> kVAligns[] = {
    {"Top", VAlign::Top}, {"Middle", VAlign::Middle}, {"Bottom", VAlign::Bottom}, {"Center", VAlign::Middle}};

const Length kNoLength = Length::um(0);

// Larger than any size, version or column count a symbology has; the
// encoder refuses what its symbology does not have.
constexpr int kMaxSymbolSize = 200;

// A level number, or QR Code's letters L, M, Q and H for 1 to 4.
int ErrorCorrection(SectionReader& in) {
    const std::string text = Lower(in.Text("ErrorCorrection", ""));
    const std::string_view letters = "lmqh";
    if (text.size() == 1 && letters.find(text[0]) != std::string_view::npos)
        return static_cast<int>(letters.find(text[0])) + 1;
    return in.Integer("ErrorCorrection", 0, 0, 8);
}

Stroke ReadStroke(SectionReader& in) {
    Stroke stroke;
    stroke.width = in.Mm("LineWidth", stroke.width, kNoLength, Length::mm(100));
    stroke.colour = in.ColourValue("LineColor", stroke.colour, false).value_or(Colour{});
    return stroke;
}

std::optional<ObjectKind> ReadKind(const std::string& type, SectionReader& in) {
    const std::string t = Lower(type);
    if (t == "text") {
        TextObject text;
        text.contents = in.Contents();
        text.fontFamily = in.Text("Font", text.fontFamily);
        text.fontSizePt = in.Number("FontSize", text.fontSizePt, 0.5, 1000);
        text.bold = in.Flag("Bold", false);
        text.italic = in.Flag("Italic", false);
        text.colour = in.ColourValue("Color", text.colour, false).value_or(Colour{});
        text.align = in.Choice("Align", text.align, kHAligns);
        text.valign = in.Choice("VAlign", text.valign, kVAligns);
        text.wordWrap = in.Flag("WordWrap", false);
        text.shrinkToFit = in.Flag("ShrinkToFit", false);
        text.minFontSizePt = in.Number("MinFontSize", 0, 0, 1000);
        return text;
    }
    if (t == "barcode") {
        BarcodeObject barcode;
        barcode.contents = in.Contents();
        if (const auto name = in.Text("Symbology"); name && !name->empty()) {
            if (const auto symbology = SymbologyFromName(*name))
                barcode.symbology = *symbology;
            else
                in.Fail("Symbology", "'" + *name + "' is not a symbology (see the list in docs/design-format.md)");
        }
        barcode.humanReadable = in.Flag("HumanReadable", true);
        barcode.colour = in.ColourValue("Color", barcode.colour, false).value_or(Colour{});
        barcode.checkDigit = in.Flag("CheckDigit", false);
        barcode.errorCorrection = ErrorCorrection(in);
        barcode.size = in.Integer("Size", 0, 0, kMaxSymbolSize);
        return barcode;
    }
    if (t == "datamatrix") {
        DataMatrixObject matrix;
        matrix.contents = in.Contents();
        matrix.colour = in.ColourValue("Color", matrix.colour, false).value_or(Colour{});
        matrix.gs1 = in.Flag("GS1", false);
        matrix.size = in.Integer("Size", 0, 0, kMaxSymbolSize);
        return matrix;
    }
    if (t == "qrcode") {
        QrCodeObject qr;
        qr.contents = in.Contents();
        qr.colour = in.ColourValue("Color", qr.colour, false).value_or(Colour{});
        qr.gs1 = in.Flag("GS1", false);
        qr.errorCorrection = ErrorCorrection(in);
        qr.size = in.Integer("Size", 0, 0, kMaxSymbolSize);
        return qr;
    }
    if (t == "image") {
        ImageObject image;
        image.file = in.Text("File", "");
        if (image.file.empty()) in.Fail("File", "an image object needs a file");
        return image;
    }
    if (t == "line") return LineObject{ReadStroke(in)};
    if (t == "rectangle") {
        RectangleObject rect;
        rect.stroke = ReadStroke(in);
        rect.fill = in.ColourValue("FillColor", std::nullopt, true);
        rect.cornerRadius = in.Mm("CornerRadius", kNoLength, kNoLength, kMaxPageSide);
        return rect;
    }
    if (t == "ellipse") {
        EllipseObject ellipse;
        ellipse.stroke = ReadStroke(in);
        ellipse.fill = in.ColourValue("FillColor", std::nullopt, true);
        return ellipse;
    }
    return std::nullopt;
}

// Object sections are "Object" followed by a number; they are painted in
// the order of their numbers.
std::optional<long> ObjectNumber(std::string_view section) {
    if (section.size() <= 6 || Lower(section.substr(0, 6)) != "object") return std::nullopt;
    long number = 0;
    const char* begin = section.data() + 6;
    const char* end = section.data() + section.size();
    const auto [ptr, ec] = std::from_chars(begin, end, number);
    if (ec != std::errc() || ptr != end || number < 0) return std::nullopt;
    return number;
}


}  // namespace

Status CheckPageGeometry(const PageGeometry& g) {
    auto fail = [](std::string why) { return Status::Error(LL_ERR_BAD_DESIGN, std::move(why)); };
    const Length width = g.marginLeft + g.labelWidth * g.cols + g.gapX * (g.cols - 1);
    const Length height = g.marginTop + g.labelHeight * g.rows + g.gapY * (g.rows - 1);
    // a micrometre of slack for values rounded by hand
    if (width > g.PageWidth() + Length::um(1))
        return fail(std::to_string(g.cols) + " columns of labels do not fit across the page");
    if (height > g.PageHeight() + Length::um(1))
        return fail(std::to_string(g.rows) + " rows of labels do not fit down the page");
    if (g.PageWidth() > kMaxPageSide || g.PageHeight() > kMaxPageSide)
        return fail("the page is larger than " + SectionReader::Format(kMaxPageSide) + " mm");
    return Status::Ok();
}

Status Design::Parse(std::string_view bytes, Design& out, const DesignReadOptions& options) {
    out = Design{};
    const IniDocument doc(bytes);
    Status status;
    std::vector<std::string>* problems = options.problems;
    const bool lenient = problems != nullptr;

    SectionReader header(doc, "Design", status);
    if (!header.Text("FormatVersion"))
        return Status::Error(LL_ERR_BAD_DESIGN, "not a design file: no FormatVersion in section [Design]");
    out.formatVersion = header.Integer("FormatVersion", 0, 1, 1'000'000);
    if (!status.ok()) return status;
    if (out.formatVersion > kDesignFormatVersion) {
        Status newer = Status::Error(LL_ERR_BAD_DESIGN, "design format version " + std::to_string(out.formatVersion) +
                                                            " is newer than this program reads (" +
                                                            std::to_string(kDesignFormatVersion) + ")");
        if (!options.acceptNewerVersion) return newer;
        status = newer;
    }

    out.description = Get(doc, "Description", "Text").value_or("");

    PageGeometry& g = out.geometry;
    SectionReader label(doc, "Label", status, problems);
    g.labelWidth = label.Mm("Width", g.labelWidth, kMinLabelSide, kMaxPageSide);
    g.labelHeight = label.Mm("Height", g.labelHeight, kMinLabelSide, kMaxPageSide);

    SectionReader layout(doc, "Layout", status, problems);
    g.rows = layout.Integer("nRows", 1, 1, kMaxRowsOrColumns);
    g.cols = layout.Integer("nCols", 1, 1, kMaxRowsOrColumns);
    SectionReader pageLayout(doc, "PageLayout", status, problems);
    g.rows = pageLayout.Integer("Layout.Count.y", g.rows, 1, kMaxRowsOrColumns);
    g.cols = pageLayout.Integer("Layout.Count.x", g.cols, 1, kMaxRowsOrColumns);

    SectionReader page(doc, "Page", status, problems);
    if (page.Text("Width")) g.pageWidth = page.Mm("Width", g.labelWidth, kMinLabelSide, kMaxPageSide);
    if (page.Text("Height")) g.pageHeight = page.Mm("Height", g.labelHeight, kMinLabelSide, kMaxPageSide);
    g.marginLeft = page.Mm("MarginLeft", kNoLength, kNoLength, kMaxPageSide);
    g.marginTop = page.Mm("MarginTop", kNoLength, kNoLength, kMaxPageSide);
    g.gapX = page.Mm("GapX", kNoLength, kNoLength, kMaxPageSide);
    g.gapY = page.Mm("GapY", kNoLength, kNoLength, kMaxPageSide);
    if (!status.ok() && !lenient) return status;
    if (Status s = CheckPageGeometry(g); !s.ok()) {
        if (!lenient) return s;
        problems->push_back(s.message);
        if (status.ok()) status = s;
    }

    std::map<long, std::string> sections;
    for (const std::string& section : doc.Sections())
        if (const auto number = ObjectNumber(section)) sections.emplace(*number, section);

    for (const auto& [number, section] : sections) {
        SectionReader in(doc, section, status, problems);
        const std::string type = in.Text("Type", "");
        DesignObject object;
        object.name = section;
        const bool isLine = Lower(type) == "line";
        const Length minSide = isLine ? -kMaxPageSide : kNoLength;
        object.x = in.Mm("X", kNoLength, -kMaxPageSide, kMaxPageSide);
        object.y = in.Mm("Y", kNoLength, -kMaxPageSide, kMaxPageSide);
        object.width = in.Mm("Width", kNoLength, minSide, kMaxPageSide);
        object.height = in.Mm("Height", kNoLength, minSide, kMaxPageSide);
        object.rotation = in.Integer("Rotation", 0, 0, 270);
        if (object.rotation % 90 != 0) {
            in.Fail("Rotation", "must be 0, 90, 180 or 270");
            object.rotation = 0;
        }
        object.locked = in.Flag("Locked", false);
        object.group = in.Integer("Group", 0, 0, 1'000'000);
        auto kind = ReadKind(type, in);
        if (!kind) {
            Status unknown = Status::Error(
                LL_ERR_BAD_OBJECTTYPE, "[" + section + "] Type: '" + type +
                                           "' is not Text, Barcode, DataMatrix, QRCode, Image, Line, Rectangle or Ellipse");
            if (!lenient) return unknown;
            in.Report(std::move(unknown));
            continue;
        }
        if (!status.ok() && !lenient) return status;
        object.kind = std::move(*kind);
        out.objects.push_back(std::move(object));
    }
    return status;
}

Status Design::Load(const std::string& path, Design& out) {
    const auto bytes = platform::FileExists(path) ? platform::ReadWholeFile(path) : std::nullopt;
    if (!bytes) return Status::Error(LL_ERR_CFGNOTFOUND, "design file " + path + " cannot be read");
    Status status = Parse(*bytes, out);
    if (!status.ok()) status.message = path + ": " + status.message;
    return status;
}

namespace {

// Values with blanks at either end, or in quotes, are quoted so that the
// reader (which trims and unquotes) gives them back unchanged.
std::string Quoted(const std::string& value) {
    if (value.empty()) return value;
    const bool needs = value.front() == ' ' || value.back() == ' ' || value.front() == '\t' ||
                       value.back() == '\t' || (value.front() == '"' && value.back() == '"' && value.size() >= 2);
    return needs ? '"' + value + '"' : value;
}

std::string ColourText(Colour c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X", c.rgb & 0xFFFFFFu);
    return buffer;
}

std::string NumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string MmText(Length length) { return NumberText(length.mm()); }
std::string FlagText(bool flag) { return flag ? "1" : "0"; }

// The keys of one section as this program writes them, in writing order.
using Keys = std::vector<std::pair<std::string, std::string>>;

void StrokeKeys(Keys& keys, const Stroke& stroke) {
    keys.emplace_back("LineWidth", MmText(stroke.width));
    keys.emplace_back("LineColor", ColourText(stroke.colour));
}

void KindKeys(Keys& keys, const ObjectKind& kind) {
    std::visit(
        [&](const auto& k) {
            using K = std::decay_t<decltype(k)>;
            if constexpr (requires { k.contents; }) keys.emplace_back("Contents", Quoted(k.contents.Source()));
            if constexpr (std::is_same_v<K, TextObject>) {
                keys.emplace_back("Font", Quoted(k.fontFamily));
                keys.emplace_back("FontSize", NumberText(k.fontSizePt));
                keys.emplace_back("Bold", FlagText(k.bold));
                keys.emplace_back("Italic", FlagText(k.italic));
                keys.emplace_back("Color", ColourText(k.colour));
                keys.emplace_back("Align", k.align == HAlign::Left     ? "Left"
                                           : k.align == HAlign::Center ? "Center"
                                                                       : "Right");
                keys.emplace_back("VAlign", k.valign == VAlign::Top      ? "Top"
                                            : k.valign == VAlign::Middle ? "Middle"
                                                                         : "Bottom");
                keys.emplace_back("WordWrap", FlagText(k.wordWrap));
                keys.emplace_back("ShrinkToFit", FlagText(k.shrinkToFit));
                if (k.minFontSizePt > 0) keys.emplace_back("MinFontSize", NumberText(k.minFontSizePt));
            } else if constexpr (std::is_same_v<K, BarcodeObject>) {
                const SymbologyInfo& info = InfoOf(k.symbology);
                keys.emplace_back("Symbology", std::string(info.name));
                keys.emplace_back("HumanReadable", FlagText(k.humanReadable));
                keys.emplace_back("Color", ColourText(k.colour));
                if (info.checkOn >= 0) keys.emplace_back("CheckDigit", FlagText(k.checkDigit));
                if (info.flags & kEcc) keys.emplace_back("ErrorCorrection", std::to_string(k.errorCorrection));
                if (info.flags & kSize) keys.emplace_back("Size", std::to_string(k.size));
            } else if constexpr (std::is_same_v<K, DataMatrixObject>) {
                keys.emplace_back("Color", ColourText(k.colour));
                keys.emplace_back("GS1", FlagText(k.gs1));
                keys.emplace_back("Size", std::to_string(k.size));
            } else if constexpr (std::is_same_v<K, QrCodeObject>) {
                keys.emplace_back("Color", ColourText(k.colour));
                keys.emplace_back("GS1", FlagText(k.gs1));
                keys.emplace_back("ErrorCorrection", std::to_string(k.errorCorrection));
                keys.emplace_back("Size", std::to_string(k.size));
            } else if constexpr (std::is_same_v<K, ImageObject>) {
                keys.emplace_back("File", Quoted(k.file));
            } else if constexpr (std::is_same_v<K, LineObject>) {
                StrokeKeys(keys, k.stroke);
            } else if constexpr (std::is_same_v<K, RectangleObject>) {
                StrokeKeys(keys, k.stroke);
                keys.emplace_back("FillColor", k.fill ? ColourText(*k.fill) : "none");
                keys.emplace_back("CornerRadius", MmText(k.cornerRadius));
            } else if constexpr (std::is_same_v<K, EllipseObject>) {
                StrokeKeys(keys, k.stroke);
                keys.emplace_back("FillColor", k.fill ? ColourText(*k.fill) : "none");
            }
        },
        kind);
}

Keys ObjectKeys(const DesignObject& object) {
    Keys keys{{"Type", std::string(TypeName(object.kind))},
              {"X", MmText(object.x)},
              {"Y", MmText(object.y)},
              {"Width", MmText(object.width)},
              {"Height", MmText(object.height)},
              {"Rotation", std::to_string(object.rotation)}};
    if (object.locked) keys.emplace_back("Locked", "1");
    if (object.group != 0) keys.emplace_back("Group", std::to_string(object.group));
    KindKeys(keys, object.kind);
    return keys;
}

// The sections before the objects, each with its keys.
std::vector<std::pair<std::string, Keys>> HeadKeys(const Design& design, int formatVersion) {
    const PageGeometry& g = design.geometry;
    Keys page{{"Width", MmText(g.PageWidth())}, {"Height", MmText(g.PageHeight())},
              {"MarginLeft", MmText(g.marginLeft)}, {"MarginTop", MmText(g.marginTop)},
              {"GapX", MmText(g.gapX)}, {"GapY", MmText(g.gapY)}};
    return {
        {"Design", {{"FormatVersion", std::to_string(formatVersion)}}},
        {"Description", {{"Text", Quoted(design.description)}}},
        {"Label", {{"Width", MmText(g.labelWidth)}, {"Height", MmText(g.labelHeight)}}},
        {"Page", std::move(page)},
        // both pairs, so that readers of either see the same layout
        {"Layout", {{"nRows", std::to_string(g.rows)}, {"nCols", std::to_string(g.cols)}}},
        {"PageLayout", {{"Layout.Count.x", std::to_string(g.cols)}, {"Layout.Count.y", std::to_string(g.rows)}}},
    };
}

void WriteKeys(IniDocument& doc, const std::string& section, const Keys& keys) {
    for (const auto& [key, value] : keys) doc.Set(section, key, value);
}

const std::string* FindKey(const Keys& keys, std::string_view key) {
    for (const auto& [k, v] : keys)
        if (k == key) return &v;
    return nullptr;
}

// Rewrites in `doc` the keys whose values differ from `old`; keys only
// `old` has are removed. Returns whether anything changed.
bool UpdateKeys(IniDocument& doc, const std::string& section, const Keys& now, const Keys& old) {
    bool changed = false;
    for (const auto& [key, value] : now) {
        const std::string* before = FindKey(old, key);
        if (before && *before == value) continue;
        doc.Set(section, key, value);
        changed = true;
    }
    for (const auto& [key, value] : old)
        if (!FindKey(now, key)) changed = doc.Remove(section, key) || changed;
    return changed;
}

}  // namespace

std::string Design::ToBytes() const {
    IniDocument doc("");
    for (const auto& [section, keys] : HeadKeys(*this, kDesignFormatVersion)) WriteKeys(doc, section, keys);
    int number = 0;
    for (const DesignObject& object : objects) WriteKeys(doc, "Object" + std::to_string(++number), ObjectKeys(object));
    return doc.Bytes();
}

std::string Design::UpdatedBytes(const Design& base, std::string_view baseBytes) const {
    IniDocument doc(baseBytes);
    bool changed = false;
    const auto now = HeadKeys(*this, base.formatVersion);
    const auto old = HeadKeys(base, base.formatVersion);
    for (std::size_t i = 0; i < now.size(); ++i)
        changed = UpdateKeys(doc, now[i].first, now[i].second, old[i].second) || changed;

    std::map<std::string, const DesignObject*, CaseInsensitiveLess> before;
    for (const DesignObject& object : base.objects) before.emplace(object.name, &object);

    // Objects keep their sections while their numbers still rise in
    // painting order (new ones taking new sections); otherwise every object
    // is written anew in order.
    bool keepSections = true;
    long last = -1;
    for (const DesignObject& object : objects) {
        const auto number = ObjectNumber(object.name);
        const bool isNew = !before.count(object.name);
        if (!number || *number <= last || (isNew && doc.HasSection(object.name))) keepSections = false;
        if (number) last = *number;
    }
    if (keepSections) {
        std::map<std::string, bool, CaseInsensitiveLess> kept;
        for (const DesignObject& object : objects) {
            const auto old = before.find(object.name);
            if (old == before.end())
                WriteKeys(doc, object.name, ObjectKeys(object)), changed = true;
            else
                changed = UpdateKeys(doc, object.name, ObjectKeys(object), ObjectKeys(*old->second)) || changed;
            kept[object.name] = true;
        }
        for (const DesignObject& object : base.objects)
            if (!kept.count(object.name)) changed = doc.EraseSection(object.name) || changed;
    } else {
        changed = true;
        for (const DesignObject& object : base.objects) doc.EraseSection(object.name);
        // sections this program could not read stay, under their numbers
        long number = 0;
        for (const DesignObject& object : objects) {
            std::string section;
            do section = "Object" + std::to_string(++number);
            while (doc.HasSection(section));
            WriteKeys(doc, section, ObjectKeys(object));
        }
    }
    if (changed && base.formatVersion < kDesignFormatVersion)
        doc.Set("Design", "FormatVersion", std::to_string(kDesignFormatVersion));
    return doc.Bytes();
}

bool Design::Save(const std::string& path) const { return platform::WriteWholeFile(path, ToBytes()); }

}  // namespace quill::labelrender
