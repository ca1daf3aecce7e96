#include "SettingsPageWorld.h"

#include <strings.h>
#include <unistd.h>

#include <sstream>

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include "core/SettingsStore.h"
#include "core/UGlobals.h"
#include "engine_app/FEngine.h"
#include "platform/RegistryStore.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {

void SettingsPageTest::TearDown() {
    window.reset();
    EngineWindowTest::TearDown();
}

void SettingsPageTest::openPage(const std::string& ini) {
    startEngine(ini);
    makeWindow();
}

void SettingsPageTest::openPageOnRegistry(const std::string& seed) {
    platform::RegistryStore registry(platform::RegistryStore::DefaultPath());
    registry.WriteDWord(RegistryRoot, "UseDirMonitor", 0);
    std::istringstream lines(seed);
    std::string section, key, value;
    while (std::getline(lines, section, '\t') && std::getline(lines, key, '\t') && std::getline(lines, value))
        registry.WriteDWord(std::string(RegistryRoot) + "\\" + section, key, static_cast<std::uint32_t>(std::stoul(value)));
    ASSERT_EQ(chdir(world.programFolder().c_str()), 0);
    Folders.AppTitle = "QuillEngine";
    run = std::make_unique<TEngineRun>(rowsOut);
    std::string reason;
    ASSERT_TRUE(run->Begin("1.2.3.4", reason)) << reason;
    makeWindow();
}

void SettingsPageTest::makeWindow() {
    window = std::make_unique<TfrmSideMenuEngine>(*run, "1.2.3.4");
    window->show();
    // Out of the way at once, and back: the hide timer must not leave the page under the test.
    window->HideTimerTimer();
    window->Show1Click();
    showPage();
}

void SettingsPageTest::leavePage(std::optional<QMessageBox::StandardButton> answer) const {
    std::shared_ptr<ModalSeen> seen;
    QPointer<QTimer> watch;
    if (answer) {
        seen = AnswerNextMessageBox(*answer);
    } else {
        watch = WhenModal([](QWidget* unexpected) {
            ADD_FAILURE() << "asked: " << MessageText(unexpected).toStdString();
            unexpected->close();
        });
    }
    window->FExBarMenuItemClick(TfrmSideMenuEngine::PrintEngineCommand);
    delete watch.data();
    if (answer) {
        EXPECT_TRUE(seen->shown);
        EXPECT_EQ(seen->text, "You've changed something! Save changes?");
    }
    EXPECT_EQ(window->CurrentInnerWindow(), window->EngineWindow());
}

std::string SettingsPageTest::exported() const {
    const EngineResult result = RunEngine(world.root(), {"--settings", "export"});
    EXPECT_EQ(result.code, 0) << result.error;
    return result.output;
}

std::string ValueIn(const std::string& iniText, const std::string& section, const std::string& key) {
    std::istringstream lines(iniText);
    std::string line, current;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
        } else if (strcasecmp(current.c_str(), section.c_str()) == 0 && line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return "(none)";
}

std::shared_ptr<QString> ChooseFolderWhenAsked(const std::string& folder) {
    auto openedAt = std::make_shared<QString>();
    WhenModal([openedAt, folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "no folder chooser: " << modal->metaObject()->className();
            modal->close();
            return;
        }
        *openedAt = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(folder));
        std::shared_ptr<ModalSeen> create;
        if (!QFileInfo(QString::fromStdString(folder)).isDir()) create = AnswerNextMessageBox(QMessageBox::Yes);
        static_cast<QDialog*>(dialog)->accept();   // its own accept is protected
        if (create) {
            EXPECT_TRUE(create->text.startsWith("The folder ")) << create->text.toStdString();
        }
    });
    return openedAt;
}

}  // namespace quill::test
