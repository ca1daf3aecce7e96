#include "support/WidgetTestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QTimer>
#include <cstdlib>

namespace quill::test {

namespace {

// The pollers still waiting for a modal window. An answer meant for one
// test ("only if it asks") must not answer a window of the next one.
QObject& PendingAnswers() {
    static QObject* owner = new QObject;
    return *owner;
}

class DropPendingAnswersAtTestEnd : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (QObject* poll : PendingAnswers().children()) delete poll;
    }
};

}  // namespace

void QtWidgetsEnvironment::Prepare() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new DropPendingAnswersAtTestEnd);   // gtest owns it
    const QString runtime = QDir::tempPath() + "/quill-test-runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 0);
}

std::shared_ptr<ModalSeen> AnswerNextModal(std::function<void(QWidget*)> answer) {
    auto seen = std::make_shared<ModalSeen>();
    auto* poll = new QTimer(&PendingAnswers());
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, seen, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        seen->shown = true;
        seen->title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen->text = box->text();
            seen->icon = box->icon();
        }
        answer(modal);
    });
    poll->start();
    return seen;
}

std::shared_ptr<ModalSeen> AnswerNextMessageBox(QMessageBox::StandardButton button) {
    return AnswerNextModal([button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(button))
            box->button(button)->click();
        else
            modal->close();
    });
}

}  // namespace quill::test
