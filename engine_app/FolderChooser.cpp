#include "engine_app/FolderChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace quill {

namespace {

class TFolderDialog : public QFileDialog {
public:
    TFolderDialog(QWidget* parent, const QString& start) : QFileDialog(parent, FolderChooserTitle) {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::ShowDirsOnly);
        setFileMode(QFileDialog::Directory);
        QString folder = QDir::cleanPath(start);
        while (!folder.isEmpty() && !QFileInfo(folder).isDir() && folder != QDir::rootPath())
            folder = QFileInfo(folder).path();
        setDirectory(folder.isEmpty() ? QDir::homePath() : folder);
    }

protected:
    // The dialog itself refuses a typed folder that is missing; we offer to make it.
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !QFileInfo(chosen.first()).isDir()) {
            const QString folder = QDir::cleanPath(chosen.first());
            if (QMessageBox::question(this, windowTitle(),
                                      QString("The folder %1 does not exist.\nCreate it?").arg(QDir::toNativeSeparators(folder)),
                                      QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
                return;
            if (!QDir().mkpath(folder)) {
                QMessageBox::warning(this, windowTitle(),
                                     QString("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder)));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

QString ChooseFolder(QWidget* parent, const QString& start) {
    TFolderDialog dialog(parent, start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::cleanPath(dialog.selectedFiles().first());
}

}  // namespace quill
