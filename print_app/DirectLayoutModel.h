#pragma once
// The Direct design a layout editor works on, without any window: the
// layout lines with the current one, the item picked last, the pick lists
// of the design's printer and mode, the modified flag, saving, and the
// bytes the design sends for a sample record.
#include <optional>
#include <string>
#include <vector>

#include "core/LabelRecord.h"
#include "core/UGlobals.h"
#include "printing/DirectFiles.h"

namespace quill {

// The Add Partial choices, in the order of their align index.
enum class TPartialAlign { None = 0, Left = 1, Right = 2, Zero = 3 };

class TDirectLayoutModel {
public:
    // Reads Printers.INI: a design starts with its default printer and port.
    TDirectLayoutModel(std::string designFolder, std::string fileName, TMode mode, bool isNew);
    TDirectLayoutModel(const TDirectLayoutModel&) = delete;   // the sample record points into it
    TDirectLayoutModel& operator=(const TDirectLayoutModel&) = delete;

    // A new design gets one empty line; an existing one is read from its
    // file. False when the file exists but cannot be read, or is missing:
    // the design is then empty but for one line, and `problem` says why.
    bool Open(std::string& problem);

    std::string Caption() const;   // "Quill - Direct Print Label: " + folder + file
    std::string Path() const { return folder_ + fileName_; }
    TMode Mode() const { return mode_; }
    bool IsNew() const { return isNew_; }
    const TDirectDesign& Design() const { return design_; }
    const TPrintersIni& Printers() const { return printers_; }
    bool Modified() const { return modified_; }
    bool Saved() const { return saved_; }   // at least once since opening

    // Pick lists: "<000>".."<255>"; "<" command ">" of the printer's command
    // file and "(" field ")" of the mode's vocabulary, sorted ignoring case.
    static std::vector<std::string> NumberItems();
    std::vector<std::string> CommandItems() const;
    std::vector<std::string> FieldItems() const;

    // The item the next Add appends.
    void SelectItem(std::string item) { selected_ = std::move(item); }
    const std::string& SelectedItem() const { return selected_; }

    // Lines; the current line is the selected one (none: -1).
    const std::vector<std::string>& Lines() const { return design_.Lines; }
    int CurrentLine() const { return current_; }
    std::string CurrentLineText() const;
    void SelectLine(int index);

    // Appends the selected item to the current line: as it stands when it
    // starts with "<", else in "<" ">". Without lines a line is made for it.
    void AddSelectedItem();
    // The selected field item cut to a part, made the selected item and
    // added. False (nothing changed) when the selected item is no field.
    bool AddPartialField(int from, int length, TPartialAlign align);
    // Free text in double quotes becomes the selected item and is added.
    void AddFreeText(const std::string& text);
    void ClearCurrentLine();
    void RemoveLastItem();
    // An empty line after the current one (appended when none or the last
    // is current); it becomes current.
    void InsertLine();
    void DeleteCurrentLine();

    // Printer Settings "OK": an empty value leaves that value. True when the
    // printer changed, and the command list with it.
    bool ChangePrinter(const std::optional<std::string>& printer, const std::optional<std::string>& port);

    // Replaces the design file in one step (a crash leaves the old one) and
    // clears modified. False, with `problem` set and logged, when it fails.
    bool Save(std::string& problem);
    void ClearModified() { modified_ = false; }

    // The sample record the byte preview fills the fields from: by default
    // every field holds its own name.
    void UseFieldNamesAsSample();
    // The first label of a label file of the mode, read as the engine reads
    // it. False, with `problem`, when it cannot be read or holds no label.
    bool UseSampleLabelFile(const std::string& path, std::string& problem);
    const std::string& SampleName() const { return sampleName_; }
    // The bytes of each line for the sample record, as the engine sends them.
    std::vector<std::string> SampleLineBytes() const;

private:
    void SetCurrentLineText(std::string text);
    void LoadCommands() { commands_ = ReadPrinterCommands(design_.Printer); }

    std::string folder_;     // ends with the separator
    std::string fileName_;   // with ".lbl"
    TMode mode_;
    bool isNew_;
    TPrintersIni printers_;
    TDirectDesign design_;
    TPrinterCommands commands_;
    int current_ = -1;
    std::string selected_;
    bool modified_ = false;
    bool saved_ = false;
    // The engine reads Direct label files with the Corvane names; records
    // point into this copy, which no settings reload rebuilds.
    std::vector<TField> vocabulary_;
    TLabelRecord sample_;
    std::string sampleName_;
};

}  // namespace quill
