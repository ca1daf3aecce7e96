#pragma once
// Where the print job hands over to the printer shift controller. Until the
// controller exists no printer is shift-controlled, so every hook returns at
// once; the controller replaces these bodies and keeps the call sites.
namespace quill::shift {

// Before a printed (not previewed) job: waits until the shift printer's
// spooler queue holds at most one job.
inline void CheckSpoolerBeforePrintLabel() {}
// After the job has started, before the first label.
inline void BeforePrint() {}
// After a printed job that succeeded.
inline void AfterPrint() {}

}  // namespace quill::shift
