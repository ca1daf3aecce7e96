#pragma once
// The job interface of our label-rendering library. Callers drive it the way
// label programs drive such libraries: define variables, start a print job
// on a design, print one label per call, end the job. Results are 0 for
// success or one of the negative codes below.
#include <memory>
#include <string>
#include <vector>

namespace quill::labelrender {

struct DesignCheck;
class VariableSet;

// Variable types, with the values callers and stored settings use.
enum class VariableType : unsigned {
    Text = 0x10000000,
    Barcode = 0x40000006,     // Interleaved 2 of 5 unless the design's object says otherwise
    DataMatrix = 0x40000044,
};

inline constexpr int LL_PROJECT_LABEL = 1;
inline constexpr int LL_PRINT_NORMAL = 0x100;
inline constexpr int LL_PRINT_PREVIEW = 0x200;
inline constexpr int LL_PROJECT_LABEL_FIXED_FILE = 0x8001;   // LlDefineLayout: label project, file name fixed

// LlSetOption numbers
inline constexpr int LL_OPTION_CODEPAGE = 70;
inline constexpr int LL_OPTION_TABREPRESENTATIONCODE = 15;
inline constexpr int LL_OPTION_RETREPRESENTATIONCODE = 23;
inline constexpr int LL_OPTION_EXPRSEPREPRESENTATIONCODE = 56;
// LlPrintSetOption numbers
inline constexpr int LL_PRNOPT_OFFSET = 2;   // label position: start the first page further on

// Viewer actions a caller may prohibit in the preview
enum class ViewerAction { PrintPage, PrintPageWithPrinterSelection, SendTo, SaveAs };

// Error codes
inline constexpr int LL_ERR_BAD_JOBHANDLE = -1;
inline constexpr int LL_ERR_TASK_ACTIVE = -2;
inline constexpr int LL_ERR_BAD_OBJECTTYPE = -3;
inline constexpr int LL_ERR_PRINTING_JOB = -4;       // no print job active
inline constexpr int LL_ERR_NO_BOX = -5;
inline constexpr int LL_ERR_ALREADY_PRINTING = -6;   // busy: call LlPrint again
inline constexpr int LL_ERR_NOT_YET_PRINTING = -7;
inline constexpr int LL_ERR_NO_PRINTER = -11;        // no printer device available
inline constexpr int LL_ERR_PRINTING = -12;          // error during printing (device rejected the job)
inline constexpr int LL_ERR_ONLY_ONE_JOB = -13;
inline constexpr int LL_ERR_NOPRINTER = -15;         // no printer available (destination missing)
inline constexpr int LL_ERR_NOVALIDPAGES = -16;      // no preview mode possible
inline constexpr int LL_ERR_NOPREVIEWFILES = -17;
inline constexpr int LL_ERR_EXPRESSION = -23;        // bad field expression
inline constexpr int LL_ERR_NOOBJECT = -29;          // no objects in design
inline constexpr int LL_ERR_NO_TEXTOBJECT = -30;
inline constexpr int LL_ERR_VARIABLE_NOT_FOUND = -31;
inline constexpr int LL_ERR_UNKNOWN_VARIABLE = -35;  // design uses a variable that was not defined
inline constexpr int LL_ERR_UNKNOWN_FIELD = -36;
inline constexpr int LL_ERR_CFGNOTFOUND = -22;       // design file missing or unreadable
inline constexpr int LL_ERR_CANNOT_CREATE_TEMPFILE = -46;
inline constexpr int LL_ERR_NO_MEMORY = -102;
// Codes of this library beyond the classic set; LastErrorMessage() says more.
inline constexpr int LL_ERR_BAD_DESIGN = -50;        // design file present but not a valid design
inline constexpr int LL_ERR_BARCODE = -51;           // contents the object's symbology cannot encode
inline constexpr int LL_ERR_IMAGE = -52;             // an image of the design is missing or unreadable
inline constexpr int LL_ERR_NO_WINDOW = -53;         // the program has no designer window (headless)
inline constexpr int LL_WRN_REPEAT_DATA = -998;      // call LlPrint again for the same label

struct PrinterInfo {
    std::string name;   // destination name, at most 127 characters ("PDF" for the built-in printer)
    std::string port;   // at most 39 characters: the CUPS device URI or the PDF folder
    int dotsPerInch = 0;  // the resolution symbols are laid out for; 0 when the printer does not say
};

class LabelJob {
public:
    explicit LabelJob(int languageIndex = 0);
    ~LabelJob();
    LabelJob(const LabelJob&) = delete;
    LabelJob& operator=(const LabelJob&) = delete;

    void LlSetOption(int option, int value);
    // Folder of the design's printer settings file (<design>.lbp).
    void LlSetPrinterDefaultsDir(const std::string& folder);

    void LlDefineVariableStart();   // forgets every variable
    // Defines or redefines; the latest contents are what LlPrint prints.
    void LlDefineVariableExt(const std::string& name, const std::string& contents, VariableType type);

    // Loads the design and opens the output (printer from <design>.lbp, else
    // the default destination). Refuses designs without objects (-29), with
    // malformed contents (-23) or that use undefined variables (-35).
    int LlPrintStart(int projectType, const std::string& designPath, int mode);
    PrinterInfo LlPrintGetPrinterInfo() const;
    int LlPrintSetOption(int option, int value);
    // Whether the started design uses the variable.
    bool LlPrintIsVariableUsed(const std::string& name) const;
    int LlPrint();                  // places the next label with the current variables
    // Finishes the page and submits the job. After a failed label the labels
    // before it are submitted and the label's error is returned; an error of
    // the output itself (a file that cannot be written, a refused job) wins.
    int LlPrintEnd(int flags = 0);
    // Labels the last ended job handed to its printer: 0 when the job or
    // its output failed as a whole, and for a preview.
    int DeliveredLabels() const;

    void LlViewerProhibitAction(ViewerAction action);
    // Without a window the preview is a PDF file in <TempLocation>Preview/;
    // its path once the preview job has ended. Deleting the preview's files
    // keeps it: it is all there is to look at.
    const std::string& PreviewFile() const;
    int LlPreviewDisplay(const std::string& designFile, const std::string& designFolder, void* parentWindow);
    int LlPreviewDeleteFiles(const std::string& designFile, const std::string& designFolder);

    // Opens the designer the program installed (WindowHooks.h) on the
    // design; 0 when it was closed normally, LL_ERR_NO_WINDOW without one.
    void LlDesignerProhibitAction(int action);   // -1: the designer's default set
    const std::vector<int>& DesignerProhibitedActions() const;
    int LlDefineLayout(void* parentWindow, const std::string& title, int projectType, const std::string& designPath);
    // The variables defined so far, as the designer shows them.
    const VariableSet& DefinedVariables() const;

    // Writes <design>.lbv: the first label rendered small, as JPEG.
    int LlCreateSketch(int projectType, const std::string& designPath);

    // The print-quality check of the started design on its printer, with
    // the variables as they are now; empty when no job is open.
    DesignCheck LlPrintCheckDesign() const;

    // What the last failing call went wrong on (design, object, variable,
    // destination); empty after a call that succeeded.
    std::string LastErrorMessage() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace quill::labelrender
