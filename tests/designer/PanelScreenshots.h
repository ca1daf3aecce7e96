#pragma once
// With QUILL_SCREENSHOTS set to a folder, a test saves the window it drove
// there as <name>.png for the user guide.
#include <QDir>
#include <QTest>
#include <QWidget>

namespace quill::test {

inline bool SavePanelScreenshot(QWidget& window, const QString& name) {
    const QByteArray folder = qgetenv("QUILL_SCREENSHOTS");
    if (folder.isEmpty()) return true;
    QTest::qWait(50);   // scroll bars and layouts settle
    QDir().mkpath(QString::fromLocal8Bit(folder));
    return window.grab().save(QString::fromLocal8Bit(folder) + '/' + name + QStringLiteral(".png"));
}

}  // namespace quill::test
