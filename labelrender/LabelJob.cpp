#include "labelrender/LabelJob.h"

#include <filesystem>
#include <map>
#include <set>

#include "core/UGlobals.h"
#include "labelrender/Calibration.h"
#include "labelrender/Design.h"
#include "labelrender/DesignCheck.h"
#include "labelrender/LabelContent.h"
#include "labelrender/OutputDevice.h"
#include "labelrender/PdfPageStream.h"
#include "labelrender/PrinterSettings.h"
#include "labelrender/Sketch.h"
#include "labelrender/Variables.h"
#include "labelrender/WindowHooks.h"
#include "platform/FileOps.h"

namespace quill::labelrender {

namespace {

// The design file, found without regard to case when the exact name is missing.
std::string FindDesign(const std::string& path) {
    if (platform::FileExists(path)) return path;
    const std::filesystem::path p(path);
    std::string folder = p.parent_path().string();
    if (!folder.empty()) folder += '/';
    return platform::FindCaseInsensitive(folder, p.filename().string());
}

std::string BaseName(const std::string& path) { return std::filesystem::path(path).stem().string(); }

}  // namespace

// One print job from LlPrintStart to LlPrintEnd. Not movable: the filler
// and the page stream refer to its design.
struct PrintRun {
    Design design;
    std::string designName;
    bool preview = false;
    std::unique_ptr<LabelFiller> filler;
    std::unique_ptr<OutputDevice> device;
    std::string workFile;
    std::unique_ptr<PdfPageStream> pages;
    int position = 0;    // next label position on the current page
    int printed = 0;
    Status failure;      // set once a label failed: no further label is placed
    bool broken = false; // the work file could not be written: nothing of the job is delivered

    PrintRun() = default;
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;
    ~PrintRun() {
        pages.reset();
        if (!workFile.empty()) platform::DeleteFile(workFile);
    }
};

struct LabelJob::State {
    int languageIndex = 0;
    std::map<int, int> options;
    std::string printerDefaultsDir;
    VariableSet variables;
    std::set<ViewerAction> prohibited;
    std::vector<int> designerProhibited;
    std::unique_ptr<PrintRun> run;
    PrinterInfo printer;
    std::string previewFile;
    bool previewShown = false;   // in a window: its files are no longer needed afterwards
    std::string lastError;
    int deliveredLabels = 0;

    int Report(const Status& status) {
        lastError = status.message;
        return status.code;
    }

    TextConversion Conversion() const {
        TextConversion conversion;
        const auto option = [&](int number, int fallback) {
            const auto it = options.find(number);
            return it == options.end() ? fallback : it->second;
        };
        conversion.codePage = option(LL_OPTION_CODEPAGE, Settings.CodePage);
        conversion.tabCode = option(LL_OPTION_TABREPRESENTATIONCODE, 0);
        conversion.returnCode = option(LL_OPTION_RETREPRESENTATIONCODE, 0);
        return conversion;
    }
};

LabelJob::LabelJob(int languageIndex) : state_(std::make_unique<State>()) { state_->languageIndex = languageIndex; }

LabelJob::~LabelJob() = default;

void LabelJob::LlSetOption(int option, int value) { state_->options[option] = value; }

void LabelJob::LlSetPrinterDefaultsDir(const std::string& folder) { state_->printerDefaultsDir = folder; }

void LabelJob::LlDefineVariableStart() { state_->variables.Clear(); }

void LabelJob::LlDefineVariableExt(const std::string& name, const std::string& contents, VariableType type) {
    state_->variables.Define(name, contents, type);
}

int LabelJob::LlPrintStart(int projectType, const std::string& designPath, int mode) {
    State& s = *state_;
    if (s.run) return s.Report(Status::Error(LL_ERR_ONLY_ONE_JOB, "a print job is already open"));
    if (projectType != LL_PROJECT_LABEL)
        return s.Report(Status::Error(LL_ERR_BAD_OBJECTTYPE, "only label projects can be printed"));

    s.deliveredLabels = 0;
    s.previewFile.clear();
    auto run = std::make_unique<PrintRun>();
    run->preview = (mode & LL_PRINT_PREVIEW) != 0;
    const std::string path = FindDesign(designPath);
    run->designName = BaseName(path);
    if (Status status = Design::Load(path, run->design); !status.ok()) return s.Report(status);
    if (run->design.objects.empty())
        return s.Report(Status::Error(LL_ERR_NOOBJECT, path + ": the design has no objects"));
    std::string unknown;
    for (const std::string& name : run->design.VariableNames())
        if (!s.variables.Contains(name)) unknown += (unknown.empty() ? "" : ", ") + name;
    if (!unknown.empty())
        return s.Report(Status::Error(LL_ERR_UNKNOWN_VARIABLE, path + ": unknown variables: " + unknown));

    const auto printerSettings = PrinterSettings::Load(PrinterSettingsPath(s.printerDefaultsDir, path));
    if (Status status = OpenOutputDevice(printerSettings, run->preview, run->device); !status.ok())
        return s.Report(status);

    // symbols are laid out on the dot grid of the printer the job goes to,
    // and printed labels are corrected by its calibration (previews are not)
    const Calibration calibration = run->preview ? Calibration{} : ReadCalibration(run->device->Info().name);
    run->filler = std::make_unique<LabelFiller>(run->design, run->device->Info().dotsPerInch, calibration.Factor());
    if (Status status = run->filler->LoadImages(std::filesystem::path(path).parent_path().string()); !status.ok())
        return s.Report(status);

    run->workFile = MakeWorkFile(run->device->WorkFolder());
    if (run->workFile.empty())
        return s.Report(Status::Error(LL_ERR_CANNOT_CREATE_TEMPFILE,
                                      "cannot create a work file in " + run->device->WorkFolder()));
    if (Status status = PdfPageStream::Open(run->workFile, run->design, run->designName, calibration, run->pages);
        !status.ok())
        return s.Report(status);

    s.printer = run->device->Info();
    s.run = std::move(run);
    return s.Report(Status::Ok());
}

PrinterInfo LabelJob::LlPrintGetPrinterInfo() const { return state_->printer; }

int LabelJob::LlPrintSetOption(int option, int value) {
    State& s = *state_;
    if (!s.run) return s.Report(Status::Error(LL_ERR_PRINTING_JOB, "no print job is open"));
    if (option == LL_PRNOPT_OFFSET && s.run->printed == 0) {
        const int perPage = s.run->design.geometry.LabelsPerPage();
        s.run->position = value > 0 ? value % perPage : 0;
    }
    return s.Report(Status::Ok());
}

bool LabelJob::LlPrintIsVariableUsed(const std::string& name) const {
    return state_->run && state_->run->design.UsesVariable(name);
}

int LabelJob::LlPrint() {
    State& s = *state_;
    if (!s.run) return s.Report(Status::Error(LL_ERR_PRINTING_JOB, "no print job is open"));
    PrintRun& run = *s.run;
    if (!run.failure.ok()) return s.Report(run.failure);
    if (Status status = run.filler->Fill(s.variables, s.Conversion()); !status.ok()) {
        status.message = run.designName + ": label " + std::to_string(run.printed + 1) + ": " + status.message;
        run.failure = status;
        return s.Report(status);
    }
    const bool newPage = run.position >= run.design.geometry.LabelsPerPage();
    if (newPage) run.position = 0;
    if (Status status = run.pages->PaintLabelAt(run.filler->content(), run.position, newPage); !status.ok()) {
        run.failure = status;
        run.broken = true;
        return s.Report(status);
    }
    ++run.position;
    ++run.printed;
    return s.Report(Status::Ok());
}

int LabelJob::LlPrintEnd(int /*flags*/) {
    State& s = *state_;
    s.deliveredLabels = 0;
    // callers end the job also when its start failed: keep that failure's message
    if (!s.run) return LL_ERR_PRINTING_JOB;
    const std::unique_ptr<PrintRun> run = std::move(s.run);
    // The labels before a failed one are sound and go out; a preview with a
    // failed label shows nothing, and a broken work file holds nothing sure.
    const bool deliver = run->failure.ok() ? (run->printed > 0 || run->preview)
                                           : (!run->preview && !run->broken && run->printed > 0);
    if (!deliver) return s.Report(run->failure);
    // a file that cannot be completed is removed with the run
    if (Status finished = run->pages->Finish(); !finished.ok()) return s.Report(finished);
    run->pages.reset();
    const std::string workFile = std::exchange(run->workFile, std::string());
    const Status delivered = run->device->Deliver(workFile, run->designName);
    if (run->preview) s.previewFile = run->device->DeliveredFile();
    if (!delivered.ok()) return s.Report(delivered);
    if (!run->preview) s.deliveredLabels = run->printed;
    return s.Report(run->failure);
}

int LabelJob::DeliveredLabels() const { return state_->deliveredLabels; }

void LabelJob::LlViewerProhibitAction(ViewerAction action) { state_->prohibited.insert(action); }

const std::string& LabelJob::PreviewFile() const { return state_->previewFile; }

int LabelJob::LlPreviewDisplay(const std::string& /*designFile*/, const std::string& /*designFolder*/,
                               void* parentWindow) {
    State& s = *state_;
    if (s.previewFile.empty() || !platform::FileExists(s.previewFile))
        return s.Report(Status::Error(LL_ERR_NOPREVIEWFILES, "no preview has been made"));
    const PreviewWindow& window = InstalledPreviewWindow();
    // Headless, the preview is the PDF file PreviewFile() names.
    if (!window) return s.Report(Status::Ok());
    const int result = window(*this, s.previewFile, parentWindow);
    s.previewShown = true;
    return result;
}

int LabelJob::LlPreviewDeleteFiles(const std::string& /*designFile*/, const std::string& /*designFolder*/) {
    State& s = *state_;
    if (s.previewFile.empty()) return s.Report(Status::Error(LL_ERR_NOPREVIEWFILES, "no preview has been made"));
    // Without a preview window the PDF file is the only way to see the
    // preview, so it stays in the preview folder.
    if (s.previewShown) {
        platform::DeleteFile(s.previewFile);
        s.previewFile.clear();
        s.previewShown = false;
    }
    return s.Report(Status::Ok());
}

void LabelJob::LlDesignerProhibitAction(int action) { state_->designerProhibited.push_back(action); }

const std::vector<int>& LabelJob::DesignerProhibitedActions() const { return state_->designerProhibited; }

int LabelJob::LlDefineLayout(void* parentWindow, const std::string& title, int /*projectType*/,
                             const std::string& designPath) {
    State& s = *state_;
    const DesignerWindow& window = InstalledDesignerWindow();
    if (!window) return s.Report(Status::Error(LL_ERR_NO_WINDOW, "this program has no label designer"));
    const int result = window(*this, parentWindow, title, designPath);
    s.designerProhibited.clear();
    return result;
}

const VariableSet& LabelJob::DefinedVariables() const { return state_->variables; }

int LabelJob::LlCreateSketch(int projectType, const std::string& designPath) {
    State& s = *state_;
    if (projectType != LL_PROJECT_LABEL)
        return s.Report(Status::Error(LL_ERR_BAD_OBJECTTYPE, "only label projects have sketches"));
    return s.Report(CreateSketch(FindDesign(designPath), s.variables, s.Conversion()));
}

DesignCheck LabelJob::LlPrintCheckDesign() const {
    const State& s = *state_;
    if (!s.run) return {};
    return CheckDesign(s.run->design, s.variables, s.Conversion(), s.printer.dotsPerInch);
}

std::string LabelJob::LastErrorMessage() const { return state_->lastError; }

}  // namespace quill::labelrender
