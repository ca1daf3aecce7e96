#include "printing/PrintJob.h"

#include <map>
#include <set>
#include <utility>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "labelrender/DesignCheck.h"
#include "platform/FileOps.h"
#include "printing/DesignLookup.h"
#include "printing/PrintRepeat.h"
#include "printing/ShiftHooks.h"

namespace quill {

namespace ll = labelrender;

namespace {

std::string& LastPrinter() {
    static std::string name;
    return name;
}

void SetCodePageOptions(ll::LabelJob& job) {
    job.LlSetOption(ll::LL_OPTION_CODEPAGE, Settings.CodePage);
    job.LlSetOption(ll::LL_OPTION_TABREPRESENTATIONCODE, 0x15);
    job.LlSetOption(ll::LL_OPTION_RETREPRESENTATIONCODE, 0x14);
    job.LlSetOption(ll::LL_OPTION_EXPRSEPREPRESENTATIONCODE, 0x16);
}

void ProhibitViewerOutput(ll::LabelJob& job) {
    for (auto action : {ll::ViewerAction::PrintPage, ll::ViewerAction::PrintPageWithPrinterSelection,
                        ll::ViewerAction::SendTo, ll::ViewerAction::SaveAs})
        job.LlViewerProhibitAction(action);
}

// Prints every record Amount times; the first error code ends the job. Each
// record starts from the sample contents, so a value it does not carry is
// never the one the record before it printed. `checkFirst` is called once,
// with the first record's variables defined.
int PrintRecords(ll::LabelJob& job, std::span<const TLabelRecord> records, const std::vector<TField>& vocabulary,
                 int manualLanguage, const PrintProgress& progress, const std::function<void()>& checkFirst) {
    bool first = true;
    for (const TLabelRecord& record : records) {
        if (!std::exchange(first, false)) DefineDesignVariables(job, records.front().Mode, vocabulary);
        DefineLabelVariables(job, record, manualLanguage);
        if (checkFirst && &record == &records.front()) checkFirst();
        for (int copy = 1; copy <= record.Amount; ++copy) {
            const int code = PrintRepeating([&job] { return job.LlPrint(); });
            if (code != 0) return code;
            if (progress) progress(copy * 100 / record.Amount);
        }
    }
    return 0;
}

// A design's print-quality problems go to the log once, the first time
// this process prints it on a printer, found with the first label's values:
// every later job would only repeat them.
void LogDesignProblemsOnce(const ll::LabelJob& job, const std::string& designPath) {
    static std::set<std::string> checked;
    const std::string printer = job.LlPrintGetPrinterInfo().name;
    if (!checked.insert(designPath + '\n' + printer).second) return;
    const ll::DesignCheck check = job.LlPrintCheckDesign();
    std::string where = designPath + " on " + printer;
    if (check.dotsPerInch > 0) where += " (" + std::to_string(static_cast<int>(check.dotsPerInch)) + " dpi)";
    for (const ll::DesignProblem& problem : check.problems) AddLog("Design " + where + ": " + problem.ToString());
}

}  // namespace

bool PrintLabel(ll::LabelJob& job, std::span<const TLabelRecord> records, const std::vector<TField>& modeVocabulary,
                bool preview, std::string& errorText, const PrintProgress& progress, int* printedCopies) {
    if (printedCopies) *printedCopies = 0;
    // Without a record there is no design to open: nothing to print is no failure.
    if (records.empty()) return true;
    const TLabelRecord& first = records.front();

    if (Settings.CodePage != 0) SetCodePageOptions(job);

    const std::string folder = AddBackslash(first.DesignFolder);
    const std::optional<std::string> found = FindDesignFile(folder, first.Design);
    if (!found) {
        errorText = "Design not found: " + folder + first.Design + ".lbl";
        return false;
    }
    const std::string& designPath = *found;
    const std::string designFile = designPath.substr(folder.size());

    platform::SetCurrentDirectory(folder);
    job.LlSetPrinterDefaultsDir(folder);
    if (!preview) shift::CheckSpoolerBeforePrintLabel();

    const bool manual = first.Mode == TMode::Manual;
    const int manualLanguage = manual ? ManualLanguageOfDesign(designPath) : ManualEnglish;
    const std::vector<TField>& vocabulary = manual ? ManualLanguageFields(manualLanguage) : modeVocabulary;
    DefineDesignVariables(job, first.Mode, vocabulary);
    if (preview) ProhibitViewerOutput(job);
    int code = job.LlPrintStart(ll::LL_PROJECT_LABEL, designPath, preview ? ll::LL_PRINT_PREVIEW : ll::LL_PRINT_NORMAL);
    if (code == 0) {
        LastPrinter() = job.LlPrintGetPrinterInfo().name;
        if (!preview) shift::BeforePrint(job);
        const auto check = [&] { LogDesignProblemsOnce(job, designPath); };
        code = PrintRecords(job, records, vocabulary, manualLanguage, preview ? progress : PrintProgress{},
                            preview ? std::function<void()>{} : check);
    }
    std::string detail = job.LastErrorMessage();
    // The job is submitted when it ends, with the labels before a failed
    // one; a refused submission means those were not printed either.
    const int endCode = job.LlPrintEnd(0);
    if (code == 0 && endCode != 0) {
        code = endCode;
        detail = job.LastErrorMessage();
    } else if (code != 0 && endCode != code && job.LastErrorMessage() != detail) {
        AddLog("PrintLabel " + designPath + ": " + job.LastErrorMessage());
    }
    if (printedCopies) *printedCopies = job.DeliveredLabels();

    if (code != 0) {
        errorText = "Errorcode: " + std::to_string(code) + ". " + PrintErrorText(code);
        if (!detail.empty()) AddLog("PrintLabel " + designPath + ": " + detail);
        return false;
    }
    if (preview) {
        job.LlPreviewDisplay(designFile, folder, nullptr);
        job.LlPreviewDeleteFiles(designFile, folder);
    } else {
        shift::AfterPrint();
    }
    return true;
}

std::string PrintErrorText(int code) {
    static const std::map<int, std::string> messages = {
        {1, "Please select a valid labeldesign"},
        {ll::LL_ERR_BAD_JOBHANDLE, "Bad Job Handle"},
        {ll::LL_ERR_PRINTING_JOB, "No printjob active"},
        {ll::LL_ERR_ALREADY_PRINTING, "Already printing"},
        {ll::LL_ERR_NOT_YET_PRINTING, "Not yet printing"},
        {ll::LL_ERR_NO_PRINTER, "No printer device available"},
        {ll::LL_ERR_PRINTING, "Error during printing"},
        {ll::LL_ERR_ONLY_ONE_JOB, "Only one printjob can be open"},
        {ll::LL_ERR_NOPRINTER, "No printer available"},
        {ll::LL_ERR_NOVALIDPAGES, "No preview mode possible"},
        {ll::LL_ERR_NOPREVIEWFILES, "No preview files found"},
        {ll::LL_ERR_EXPRESSION, "Bad field-expression"},
        {ll::LL_ERR_NOOBJECT, "No objects in design"},
        {ll::LL_ERR_NO_TEXTOBJECT, "No text-objects in design"},
        {ll::LL_ERR_VARIABLE_NOT_FOUND, "The given variable does not exist in design"},
        {ll::LL_ERR_UNKNOWN_VARIABLE, "Unknown variable in design"},
        {ll::LL_ERR_UNKNOWN_FIELD, "Unknown field in design"},
        {ll::LL_ERR_CANNOT_CREATE_TEMPFILE, "Cannot create tempfile"},
        {ll::LL_ERR_NO_MEMORY, "No memory"},
        {-104, "A general protection fault occured"},
    };
    const auto it = messages.find(code);
    return it == messages.end() ? std::string() : it->second;
}

const std::string& LastPrinterName() { return LastPrinter(); }

}  // namespace quill
