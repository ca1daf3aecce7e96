#include "labelrender/LabelContent.h"

#include "labelrender/LabelJob.h"
#include "platform/CodePage.h"
#include "platform/FileOps.h"

namespace quill::labelrender {

namespace {

std::string VariableText(const VariableSet& variables, const std::string& name, const TextConversion& conversion) {
    const Variable* variable = variables.Find(name);
    if (!variable) return {};
    std::string bytes = variable->contents;
    for (char& c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (conversion.returnCode != 0 && byte == conversion.returnCode) c = '\n';
        if (conversion.tabCode != 0 && byte == conversion.tabCode) c = '\t';
    }
    return platform::LabelBytesToUtf8(bytes, conversion.codePage);
}

}  // namespace

std::string ExpandContents(const ContentTemplate& contents, const VariableSet& variables,
                           const TextConversion& conversion) {
    return contents.Expand([&](const std::string& name) { return VariableText(variables, name, conversion); });
}

std::optional<SymbolRequest> SymbolRequestFor(const ObjectKind& kind, std::string data) {
    if (const auto* b = std::get_if<BarcodeObject>(&kind))
        return SymbolRequest{b->symbology, b->humanReadable, b->checkDigit, b->errorCorrection, b->size, std::move(data)};
    if (const auto* m = std::get_if<DataMatrixObject>(&kind))
        return SymbolRequest{m->gs1 ? Symbology::Gs1DataMatrix : Symbology::DataMatrix, false, false, 0, m->size,
                             std::move(data)};
    if (const auto* q = std::get_if<QrCodeObject>(&kind))
        return SymbolRequest{q->gs1 ? Symbology::Gs1QRCode : Symbology::QRCode, false, false, q->errorCorrection, q->size,
                             std::move(data)};
    return std::nullopt;
}

BoxSize ContentBox(const DesignObject& object) {
    const auto w = static_cast<double>(object.width.um());
    const auto h = static_cast<double>(object.height.um());
    return object.rotation == 90 || object.rotation == 270 ? BoxSize{h, w} : BoxSize{w, h};
}

LabelFiller::LabelFiller(const Design& design, double dotsPerInch, double calibrationFactor)
    : design_(design), content_{std::vector<ObjectContent>(design.objects.size()), dotsPerInch, calibrationFactor},
      encodedData_(design.objects.size()) {}

Status LabelFiller::LoadImages(const std::string& designFolder, std::vector<Status>* failures) {
    for (std::size_t i = 0; i < design_.objects.size(); ++i) {
        const auto* image = std::get_if<ImageObject>(&design_.objects[i].kind);
        if (!image) continue;
        std::string folder = designFolder;
        if (!folder.empty() && folder.back() != '/') folder += '/';
        const std::string path = image->file.starts_with('/') ? image->file
                                                               : platform::FindCaseInsensitive(folder, image->file);
        QImage picture(QString::fromStdString(path));
        if (picture.isNull()) {
            Status missing = Status::Error(LL_ERR_IMAGE, "[" + design_.objects[i].name + "] image " + path +
                                                             " is missing or not a PNG, JPEG or BMP picture");
            if (!failures) return missing;
            failures->push_back(std::move(missing));
            continue;
        }
        content_.objects[i].image = std::move(picture);
    }
    return Status::Ok();
}

Status LabelFiller::Fill(const VariableSet& variables, const TextConversion& conversion,
                         std::vector<Status>* failures) {
    for (std::size_t i = 0; i < design_.objects.size(); ++i) {
        const DesignObject& object = design_.objects[i];
        const ContentTemplate* contents = object.Contents();
        if (!contents) continue;
        std::string data = ExpandContents(*contents, variables, conversion);
        ObjectContent& out = content_.objects[i];
        auto request = SymbolRequestFor(object.kind, data);
        if (!request) {
            out.text = QString::fromStdString(data);
            continue;
        }
        if (encodedData_[i] == data) continue;
        encodedData_[i].reset();
        out.symbol.reset();
        if (data.empty()) {
            // an empty value prints no symbol rather than failing the label
            encodedData_[i] = std::move(data);
            continue;
        }
        Status s = EncodeSymbol(*request, out.symbol);
        if (s.ok()) {
            const BoxSize box = ContentBox(object);
            s = PlaceSymbol(*out.symbol, box.widthUm, box.heightUm, content_.dotsPerInch, out.placement);
        }
        if (!s.ok()) {
            out.symbol.reset();
            s.message = "[" + object.name + "] " + s.message;
            if (!failures) return s;
            failures->push_back(std::move(s));
            continue;
        }
        encodedData_[i] = std::move(data);
    }
    return Status::Ok();
}

}  // namespace quill::labelrender
