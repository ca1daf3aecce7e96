#pragma once
// The printers an administrator can pick for the shift printers: the
// destinations of the print scheduler and the built-in "PDF" printer.
#include <QStringList>

namespace quill {

// Sorted without regard to case; only "PDF" when no scheduler answers.
QStringList InstalledPrinters();

}  // namespace quill
