#include "print_app/DirectLayoutModel.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "core/Vocabularies.h"
#include "engine/LabelLines.h"
#include "engine/LabelLineParsers.h"
#include "platform/FileOps.h"
#include "platform/IniDocument.h"
#include "printing/DirectItems.h"
#include "printing/DirectPreview.h"

namespace quill {

namespace {

// A layout of 999 long lines stays far below this.
constexpr std::int64_t kMaxDesignBytes = 16 * 1024 * 1024;

void SortIgnoringCase(std::vector<std::string>& items) {
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
}

std::string JoinItems(const std::vector<std::string_view>& items) {
    std::string line;
    for (std::string_view item : items) line.append("<").append(item).append(">");
    return line;
}

// Main, Description and Lines, the lines numbered from 1 without the empty ones.
std::string DesignFileBytes(const TDirectDesign& design) {
    platform::IniDocument ini("");
    ini.Set("Main", "Printer", design.Printer);
    ini.Set("Main", "Port", design.Port);
    ini.Set("Main", "Remark", design.Remark);
    ini.Set("Description", "Text", design.Description);
    int number = 0;
    for (const std::string& line : design.Lines)
        if (!line.empty()) ini.Set("Lines", "Line" + std::to_string(++number), line);
    return ini.Bytes();
}

}  // namespace

TDirectLayoutModel::TDirectLayoutModel(std::string designFolder, std::string fileName, TMode mode, bool isNew)
    : folder_(AddBackslash(designFolder)),
      fileName_(std::move(fileName)),
      mode_(mode),
      isNew_(isNew),
      printers_(ReadPrinters()),
      vocabulary_(BuildVocabulary(mode)) {
    // the fields a layout offers: the values a label line of the mode carries
    const auto fields = static_cast<std::size_t>(mode == TMode::DirectORS ? OrsValueCount : CorvaneValueCount);
    if (vocabulary_.size() > fields) vocabulary_.resize(fields);
    design_.Printer = printers_.PrinterDefault;
    design_.Port = printers_.PortDefault;
    UseFieldNamesAsSample();
}

bool TDirectLayoutModel::Open(std::string& problem) {
    bool opened = true;
    if (!isNew_) {
        const std::string path = platform::FindCaseInsensitive(folder_, fileName_);
        if (platform::KindOf(path) == platform::FileKind::Missing) {
            problem = "The design " + path + " does not exist. It opens empty.";
        } else {
            // an unreadable file would read as an empty design: say so instead
            try {
                platform::ReadRegularFile(path, kMaxDesignBytes);
                ReadDirectDesign(path, design_);
            } catch (const std::exception& e) {
                problem = "The design " + path + " cannot be read (" + e.what() + "). It opens empty.";
            }
        }
        opened = problem.empty();
    }
    if (design_.Lines.empty()) design_.Lines.emplace_back();
    current_ = 0;
    LoadCommands();
    modified_ = false;
    return opened;
}

std::string TDirectLayoutModel::Caption() const { return "Quill - Direct Print Label: " + folder_ + fileName_; }

std::vector<std::string> TDirectLayoutModel::NumberItems() {
    std::vector<std::string> items;
    for (int n = 0; n <= 255; ++n) items.push_back(DecimalByteCode(static_cast<unsigned char>(n)));
    return items;
}

std::vector<std::string> TDirectLayoutModel::CommandItems() const {
    std::vector<std::string> items;
    for (const std::string& name : commands_.Names) items.push_back("<" + name + ">");
    SortIgnoringCase(items);
    return items;
}

std::vector<std::string> TDirectLayoutModel::FieldItems() const {
    std::vector<std::string> items;
    for (const TField& field : vocabulary_) items.push_back("(" + field.Name + ")");
    SortIgnoringCase(items);
    return items;
}

std::string TDirectLayoutModel::CurrentLineText() const {
    return current_ >= 0 ? design_.Lines[static_cast<std::size_t>(current_)] : std::string();
}

void TDirectLayoutModel::SelectLine(int index) {
    current_ = index >= 0 && index < static_cast<int>(design_.Lines.size()) ? index : -1;
}

void TDirectLayoutModel::SetCurrentLineText(std::string text) {
    if (current_ < 0) {
        design_.Lines.emplace_back();
        current_ = static_cast<int>(design_.Lines.size()) - 1;
    }
    design_.Lines[static_cast<std::size_t>(current_)] = std::move(text);
    modified_ = true;
}

void TDirectLayoutModel::AddSelectedItem() {
    if (selected_.empty()) return;
    SetCurrentLineText(CurrentLineText() + (selected_.front() == '<' ? selected_ : "<" + selected_ + ">"));
}

bool TDirectLayoutModel::AddPartialField(int from, int length, TPartialAlign align) {
    if (selected_.empty() || selected_.front() != '(') return false;
    // a part of a part is a part of the field
    const std::string name = selected_.substr(1, selected_.find_first_of(",)") - 1);
    std::string item = "(" + name + "," + std::to_string(from) + "," + std::to_string(length);
    if (align != TPartialAlign::None) item += "," + std::to_string(static_cast<int>(align));
    selected_ = item + ")";
    AddSelectedItem();
    return true;
}

void TDirectLayoutModel::AddFreeText(const std::string& text) {
    selected_ = "\"" + text + "\"";
    AddSelectedItem();
}

void TDirectLayoutModel::ClearCurrentLine() { SetCurrentLineText(""); }

void TDirectLayoutModel::RemoveLastItem() {
    const std::string line = CurrentLineText();
    std::vector<std::string_view> items = LineItems(line);
    if (!items.empty()) items.pop_back();
    SetCurrentLineText(JoinItems(items));
}

void TDirectLayoutModel::InsertLine() {
    const int count = static_cast<int>(design_.Lines.size());
    const int at = current_ < 0 || current_ == count - 1 ? count : current_ + 1;
    design_.Lines.insert(design_.Lines.begin() + at, std::string());
    current_ = at;
    modified_ = true;
}

void TDirectLayoutModel::DeleteCurrentLine() {
    if (current_ < 0) return;
    design_.Lines.erase(design_.Lines.begin() + current_);
    current_ = std::min(current_, static_cast<int>(design_.Lines.size()) - 1);
    modified_ = true;
}

bool TDirectLayoutModel::ChangePrinter(const std::optional<std::string>& printer,
                                       const std::optional<std::string>& port) {
    modified_ = true;
    if (port) design_.Port = *port;
    if (!printer || *printer == design_.Printer) return false;
    design_.Printer = *printer;
    LoadCommands();
    return true;
}

bool TDirectLayoutModel::Save(std::string& problem) {
    const std::string path = platform::FindCaseInsensitive(folder_, fileName_);
    try {
        if (platform::WriteWholeFile(path, DesignFileBytes(design_)) && platform::SyncFolder(folder_)) {
            modified_ = false;
            saved_ = true;
            return true;
        }
        problem = "The design " + path + " could not be saved.";
    } catch (const std::exception& e) {
        problem = "The design " + path + " could not be saved: " + e.what();
    }
    LogException("FDefineLabelDirect", "SaveDesignFile", "Exception", problem);
    return false;
}

void TDirectLayoutModel::UseFieldNamesAsSample() {
    ClearLabelRecord(sample_);
    sample_.Mode = mode_;
    for (const TField& field : vocabulary_) sample_.AppendField(&field.Name, KindText, field.Name);
    sampleName_.clear();
}

bool TDirectLayoutModel::UseSampleLabelFile(const std::string& path, std::string& problem) {
    problem.clear();
    bool found = false;
    try {
        const std::string text = LoadLabelFile(path);
        const TLabelSource source{mode_, vocabulary_, folder_, "", FieldSeparator()};
        TLabelRecord record;
        ForEachLabelRecord(source, text, record, [&](int, const TLabelRecord& parsed) {
            if (!found) sample_ = parsed;
            found = true;
        });
    } catch (const std::exception& e) {
        // a bad line after the first label does not matter here
        if (!found) problem = "The label file " + path + " cannot be read: " + e.what();
    }
    if (!found) {
        if (problem.empty()) problem = "The label file " + path + " holds no label.";
        return false;
    }
    sampleName_ = path;
    return true;
}

std::vector<std::string> TDirectLayoutModel::SampleLineBytes() const {
    return DirectLineBytes(design_.Lines, sample_, commands_);
}

}  // namespace quill
