#pragma once
// What the abort and retry dialogs count and do: in this process, or in
// the engine the window is attached to.
#include <string>

#include "engine/LabelFileBatch.h"

namespace quill {

class TLabelFileWork {
public:
    virtual ~TLabelFileWork() = default;
    // Label files per mode in `subfolder` ("" or "Error") of every label folder.
    virtual TModeCounts Count(const std::string& subfolder) = 0;
    // Carries out `action` for the ticked modes; returns the summary.
    virtual std::string Run(TBatchAction action, const TModeFlags& ticked) = 0;
};

// The work done here, on the label folders themselves.
class TLocalFileWork : public TLabelFileWork {
public:
    TModeCounts Count(const std::string& subfolder) override {
        batch_.CountLabels(subfolder);
        return batch_.Counts();
    }
    std::string Run(TBatchAction action, const TModeFlags& ticked) override {
        batch_.Run(action, ticked);
        return batch_.Summary(action, ticked);
    }

private:
    TLabelFileBatch batch_;
};

}  // namespace quill
