#include "engine_app/EngineControl.h"

namespace quill {

TLocalEngineControl::TLocalEngineControl(TEngineCore& core, QObject* parent) : TEngineControl(parent), core_(core) {
    connect(&core_, &TEngineCore::busy, this, &TEngineControl::busy);
    connect(&core_, &TEngineCore::pausedChanged, this, &TEngineControl::pausedChanged);
}

void TLocalEngineControl::FileDialogClosed() {
    core_.Candidates().Clear();
    if (core_.IsPaused()) core_.ResumeEngine();
}

}  // namespace quill
