#include "engine/QuillEngine.h"

namespace quill {

TQuillEngine::TQuillEngine(QObject* parent) : QObject(parent) {
    timer_.setInterval(TickMs);
    connect(&timer_, &QTimer::timeout, this, &TQuillEngine::tick);
}

}  // namespace quill
