#include "ui/UserGuide.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quill::ui {

QString UserGuidePath() {
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + "/../share/doc/quill/user-guide.md",
        QStringLiteral(QUILL_SOURCE_DOCS "/user-guide.md"),
    };
    for (const QString& path : candidates)
        if (QFileInfo::exists(path)) return QFileInfo(path).canonicalFilePath();
    return {};
}

QTextBrowser* ShowUserGuide(QWidget* parent) {
    const QString path = UserGuidePath();
    if (path.isEmpty()) {
        QMessageBox::information(parent, "Quill", "The user guide is not installed.");
        return nullptr;
    }
    auto* window = new QDialog(parent, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Quill User Guide");
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browser = new QTextBrowser(window);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
    layout->addWidget(browser);
    window->resize(820, 640);
    window->show();
    return browser;
}

}  // namespace quill::ui
