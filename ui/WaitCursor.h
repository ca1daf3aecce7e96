#pragma once
// The hourglass of a long operation: an override wait cursor for the guard's lifetime.
#include <QApplication>
#include <QCursor>

namespace quill {

class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace quill
