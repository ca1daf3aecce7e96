#include "support/QtGuiEnvironment.h"

#include <cstdlib>

namespace quill::test {

void QtGuiEnvironment::SetUp() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // ctest sets it; a run by hand may not
    argv_[0] = name_.data();
    if (!QCoreApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

}  // namespace quill::test
