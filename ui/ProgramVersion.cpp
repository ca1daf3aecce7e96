#include "ui/ProgramVersion.h"

#include <QCoreApplication>
#include <QStringList>

namespace quill::ui {

QString FourPartVersion(const QString& version) {
    QStringList parts = version.split('.', Qt::SkipEmptyParts);
    QStringList numbers;
    for (int i = 0; i < 4; ++i) numbers << QString::number(i < parts.size() ? parts[i].toUInt() : 0u);
    return numbers.join('.');
}

QString ProgramVersion() { return FourPartVersion(QCoreApplication::applicationVersion()); }

}  // namespace quill::ui
