#pragma once
// The engine's two shift controllers, printer 1 (the one print jobs use)
// and printer 2 (kept and saved the same way, used by no job). The engine
// starts them after InitializeGlobals and stops them before
// FinalizeGlobals; QuillPrint has none.
namespace quill {

class TShiftClass;

// Creates and loads controllers 1 and 2; nothing under QuillPrint.
void StartShiftControllers();
// Closes both (each stores its label position) and frees them.
void StopShiftControllers();

// Controller 1 or 2, or null when they are not started.
TShiftClass* ShiftController(int index);

// Either controller has UseShift set: every label copy then prints at once.
bool AnyShiftInUse();

}  // namespace quill
