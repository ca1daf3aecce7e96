#pragma once
// Where the reader hands each label copy: the engine's print queue.
#include "core/LabelRecord.h"

namespace quill {

enum class TAddOutcome : int {
    Queued = 0,          // the copy waits in its task
    QueuedPrintNow = 1,  // the copy is in its task and the task must print now
    SlotHeld = 2,        // the slot holds another design: print it, then hand the copy again
};

struct TAddResult {
    TAddOutcome Outcome;
    int Task;  // slot index
};

class TLabelSink {
public:
    virtual ~TLabelSink() = default;
    // Takes one copy of `record` (the sink stores it with amount 1).
    virtual TAddResult AddToTask(const TLabelRecord& record) = 0;
    // Prints the task of slot `task`; false when printing failed.
    virtual bool PrintTask(int task) = 0;
};

}  // namespace quill
