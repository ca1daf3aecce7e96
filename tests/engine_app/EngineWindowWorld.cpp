#include "EngineWindowWorld.h"

#include <unistd.h>

#include <filesystem>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "core/UGlobals.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {

QUILL_TEST_WIDGET_APPLICATION("engine_app_tests");

void EngineWindowTest::startEngine(const std::string& ini) {
    writeIni("[Quill]\nUseDirMonitor=0\n" + ini);
    ASSERT_EQ(chdir(world.programFolder().c_str()), 0);
    Folders.AppTitle = "QuillEngine";
    run = std::make_unique<TEngineRun>(rowsOut);
    std::string reason;
    ASSERT_TRUE(run->Begin("1.2.3.4", reason)) << reason;
}

void EngineWindowTest::TearDown() {
    if (run) run->End();
    run.reset();
    Folders = TFolders{};
}

void EngineWindowTest::tickUntilTaken() const {
    do core().CheckIncomingTimerTimer();
    while (core().Candidates().Count() > 0);
}

void EngineWindowTest::putFile(const std::string& relativeFolder, const std::string& name,
                               const std::string& text) const {
    std::filesystem::create_directories(world.path(relativeFolder));
    world.writeFile(relativeFolder + "/" + name, text);
}

QPointer<QTimer> WhenModal(std::function<void(QWidget*)> answer, QWidget* except, const QString& textPrefix) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer), except, textPrefix] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == except || !modal->isVisible()) return;
        if (!textPrefix.isEmpty() && !MessageText(modal).startsWith(textPrefix)) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start();
    return poll;
}

void ClickButton(QWidget* window, const QString& text) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text().remove('&') == text) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << text.toStdString();
}

QString MessageText(QWidget* box) {
    auto* message = qobject_cast<QMessageBox*>(box);
    return message ? message->text() : QString();
}

}  // namespace quill::test
