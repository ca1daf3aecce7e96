#include "printing/ShiftControllers.h"

#include <array>
#include <memory>

#include "core/UGlobals.h"
#include "printing/ShiftClass.h"

namespace quill {

namespace {

std::array<std::unique_ptr<TShiftClass>, ShiftPrinterCount> controllers;

}  // namespace

void StartShiftControllers() {
    if (IsQuillPrint()) return;
    for (int index = 1; index <= ShiftPrinterCount; ++index)
        controllers[static_cast<std::size_t>(index - 1)] = std::make_unique<TShiftClass>(index);
}

void StopShiftControllers() {
    for (auto& controller : controllers) {
        if (controller) controller->Close();
        controller.reset();
    }
}

TShiftClass* ShiftController(int index) {
    if (index < 1 || index > ShiftPrinterCount) return nullptr;
    return controllers[static_cast<std::size_t>(index - 1)].get();
}

bool AnyShiftInUse() {
    for (const auto& controller : controllers)
        if (controller && controller->Settings().UseShift) return true;
    return false;
}

}  // namespace quill
