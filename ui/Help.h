#pragma once
// Context help: a topic of the help file, chosen by context number, opened
// in an installed CHM viewer; F1 in any window asks for the topic of the
// focused control (or of its nearest parent that has one).
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

class QProcess;
class QWidget;

namespace quill::ui {

inline constexpr const char* HtmlHelpNotInstalled = "MS Html Help is not installed on this PC.";

// How a viewer is started for one topic.
struct TChmViewerCommand {
    QString program;
    QStringList arguments;
};

// The first installed viewer on PATH that can show the topic (xchm opens the
// context number itself) or at least the file (kchmviewer); none: nullopt.
std::optional<TChmViewerCommand> ChmViewerCommand(const QString& helpFile, int context);
bool HtmlHelpInstalled();

// The help context of a widget, 0 for none.
void SetHelpContext(QWidget* widget, int context);
int HelpContext(const QWidget* widget);
// The context of the widget or of its nearest parent that has one.
int NearestHelpContext(const QWidget* widget);

// Takes over the program's help requests (F1) while it exists.
class THookHelpSystem : public QObject {
    Q_OBJECT
public:
    explicit THookHelpSystem(const QString& helpFile, QObject* parent = nullptr);
    ~THookHelpSystem() override;

    const QString& HelpFile() const { return helpFile_; }
    // Shows the topic of `context`; with `foreground` the viewer's window is
    // raised. Without a viewer: the "not installed" message. False when no
    // topic was shown.
    bool ShowContext(int context, bool foreground);
    // Ends every viewer this program started.
    void CloseAll();
    int OpenViewers() const;

    // The hook in use, if any.
    static THookHelpSystem* Instance();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString helpFile_;
    QList<QPointer<QProcess>> viewers_;
};

// Creates the hook for the help file the core chose at start-up.
void InstallHelpSystem();
// Frees the hook and closes all help windows (at program end).
void FinalizeHelpSystem();
// The main windows' help commands: the topic without raising the viewer.
void ShowHelpTopic(int context);

}  // namespace quill::ui
