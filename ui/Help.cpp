#include "ui/Help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include "core/Logging.h"
#include "core/UGlobals.h"

namespace quill::ui {

namespace {

constexpr const char* HelpContextProperty = "quillHelpContext";
THookHelpSystem* hook = nullptr;

void Trace(const QString& line) { ShutdownTrace(line.toStdString()); }

QString ApplicationTitle() {
    return Folders.AppTitle.empty() ? QCoreApplication::applicationName() : QString::fromStdString(Folders.AppTitle);
}

}  // namespace

std::optional<TChmViewerCommand> ChmViewerCommand(const QString& helpFile, int context) {
    if (const QString xchm = QStandardPaths::findExecutable("xchm"); !xchm.isEmpty()) {
        TChmViewerCommand command{xchm, {}};
        if (!helpFile.isEmpty()) {
            if (context > 0) command.arguments << QString("--contextid=%1").arg(context);
            command.arguments << helpFile;
        }
        return command;
    }
    // kchmviewer cannot find a topic by its number: it opens the file.
    if (const QString kchm = QStandardPaths::findExecutable("kchmviewer"); !kchm.isEmpty())
        return TChmViewerCommand{kchm, helpFile.isEmpty() ? QStringList{} : QStringList{helpFile}};
    return std::nullopt;
}

bool HtmlHelpInstalled() { return ChmViewerCommand({}, 0).has_value(); }

void SetHelpContext(QWidget* widget, int context) { widget->setProperty(HelpContextProperty, context); }

int HelpContext(const QWidget* widget) { return widget ? widget->property(HelpContextProperty).toInt() : 0; }

int NearestHelpContext(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (const int context = HelpContext(widget)) return context;
    return 0;
}

THookHelpSystem::THookHelpSystem(const QString& helpFile, QObject* parent) : QObject(parent), helpFile_(helpFile) {
    Trace(QString("THookHelpSystem.Create(\"%1\",\"%2\", %3)").arg(helpFile_, "").arg(0));
    qApp->installEventFilter(this);
    hook = this;
}

THookHelpSystem::~THookHelpSystem() {
    if (hook == this) hook = nullptr;
    CloseAll();
}

THookHelpSystem* THookHelpSystem::Instance() { return hook; }

bool THookHelpSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    const QWidget* focus = QApplication::focusWidget();
    const int context = NearestHelpContext(focus ? focus : qobject_cast<QWidget*>(watched));
    if (context == 0) return QObject::eventFilter(watched, event);
    Trace(QString("THookHelpSystem.HelpHook(%1, %2)").arg("HELP_CONTEXT").arg(context));
    ShowContext(context, true);
    return true;
}

bool THookHelpSystem::ShowContext(int context, bool foreground) {
    Trace(QString("ShowContext(\"%1\", %2)").arg(helpFile_).arg(context));
    const auto command = ChmViewerCommand(helpFile_, context);
    if (!command) {
        QMessageBox::warning(QApplication::activeWindow(), ApplicationTitle(), HtmlHelpNotInstalled);
        return false;
    }
    Trace(QString("HHHelpContext(\"%1\", %2, \"%3\", %4)").arg(helpFile_).arg(context).arg("").arg(int(foreground)));
    // One help window, as the help runtime keeps: the new topic replaces it.
    CloseAll();
    auto* viewer = new QProcess(this);
    viewer->setStandardOutputFile(QProcess::nullDevice());
    viewer->setStandardErrorFile(QProcess::nullDevice());
    connect(viewer, &QProcess::finished, viewer, &QObject::deleteLater);
    viewer->start(command->program, command->arguments);
    const bool started = viewer->waitForStarted(5000);
    Trace(QString("  returned - %1").arg(started ? viewer->processId() : 0));
    if (!started) {
        Trace(QString("HHShowError(%1), \"%2\"").arg(int(viewer->error())).arg(viewer->errorString()));
        viewer->deleteLater();
        return false;
    }
    viewers_ << viewer;
    return true;
}

void THookHelpSystem::CloseAll() {
    for (const QPointer<QProcess>& viewer : viewers_) {
        if (!viewer || viewer->state() == QProcess::NotRunning) continue;
        viewer->terminate();
        if (!viewer->waitForFinished(2000)) {
            viewer->kill();
            viewer->waitForFinished(1000);
        }
    }
    viewers_.clear();
}

int THookHelpSystem::OpenViewers() const {
    int open = 0;
    for (const QPointer<QProcess>& viewer : viewers_)
        if (viewer && viewer->state() != QProcess::NotRunning) ++open;
    return open;
}

void InstallHelpSystem() {
    delete hook;
    new THookHelpSystem(QString::fromStdString(Folders.HelpFile), qApp);
}

void FinalizeHelpSystem() { delete hook; }

void ShowHelpTopic(int context) {
    if (!hook) InstallHelpSystem();
    hook->ShowContext(context, false);
}

}  // namespace quill::ui
