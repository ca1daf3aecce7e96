#include "printing/ShiftHooks.h"

#include "core/Logging.h"
#include "printing/ShiftClass.h"
#include "printing/ShiftControllers.h"
#include "printing/SpoolerJobs.h"

namespace quill::shift {

namespace {

TShiftClass* ActiveController() {
    TShiftClass* controller = ShiftController(1);
    return controller && controller->Settings().UseShift ? controller : nullptr;
}

}  // namespace

void CheckSpoolerBeforePrintLabel() {
    TShiftClass* controller = ActiveController();
    if (!controller) return;
    const std::string& printer = controller->Settings().ShiftPort;
    AddLogVerbose("Before PrintLabel: CheckSpoolerJobs (" + printer + ")");
    // A failed look at the queue does not stop the print.
    CheckSpoolerJobs(printer);
}

void BeforePrint(labelrender::LabelJob& job) {
    if (TShiftClass* controller = ActiveController()) controller->PrepareForPrint(job);
}

void AfterPrint() {
    if (TShiftClass* controller = ActiveController()) controller->AfterPrint();
}

}  // namespace quill::shift
