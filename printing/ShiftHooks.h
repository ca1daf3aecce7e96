#pragma once
// Where the print job hands over to the first printer shift controller.
// Each hook does nothing unless the controller runs and its UseShift is set;
// PrintLabel calls them for printed jobs only, never for a preview.
#include "labelrender/LabelJob.h"

namespace quill::shift {

// Before the job: waits until the shift printer's spooler queue holds at
// most one job (bounded, see CheckSpoolerJobs).
void CheckSpoolerBeforePrintLabel();
// After the job has started, before the first label.
void BeforePrint(labelrender::LabelJob& job);
// After a printed job that succeeded.
void AfterPrint();

}  // namespace quill::shift
