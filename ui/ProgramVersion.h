#pragma once
#include <QString>

namespace quill::ui {

// The program's version as major.minor.release.build, missing parts 0.
QString FourPartVersion(const QString& version);
// FourPartVersion of the application's version.
QString ProgramVersion();

}  // namespace quill::ui
