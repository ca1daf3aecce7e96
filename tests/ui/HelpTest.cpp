// Context help: which help file, which viewer, and the message without one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cstdlib>

#include "core/Startup.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"
#include "ui/BaseSideMenu.h"
#include "ui/Help.h"
#include "ui/UserGuide.h"

namespace quill::ui {
namespace {

TEST(HelpFileTest, ChosenBesideTheProgramFolderOrFromHelpLocationByLanguage) {
    const struct {
        const char* name;
        std::string helpLocation;   // relative to the world, "" for none
        std::vector<std::string> present;
        int language;
        std::string folder, file;   // expected, relative; file "" for none
    } cases[] = {
        {"beside the program folder", "", {"Quill/Help/QuillHelpEN.chm"}, 0, "Quill/Help", "Quill/Help/QuillHelpEN.chm"},
        {"Dutch", "", {"Quill/Help/QuillHelpEN.chm", "Quill/Help/QuillHelpNL.chm"}, 1, "Quill/Help", "Quill/Help/QuillHelpNL.chm"},
        {"German", "", {"Quill/Help/QuillHelpGR.chm"}, 2, "Quill/Help", "Quill/Help/QuillHelpGR.chm"},
        {"French uses English", "", {"Quill/Help/QuillHelpEN.chm", "Quill/Help/QuillHelpFR.chm"}, 3, "Quill/Help", "Quill/Help/QuillHelpEN.chm"},
        {"missing language falls back", "", {"Quill/Help/QuillHelpEN.chm"}, 1, "Quill/Help", "Quill/Help/QuillHelpEN.chm"},
        {"no file at all", "", {}, 0, "Quill/Help", ""},
        {"HelpLocation", "Docs", {"Docs/QuillHelpEN.chm", "Quill/Help/QuillHelpEN.chm"}, 0, "Docs", "Docs/QuillHelpEN.chm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempWorld world;
        for (const auto& f : c.present) {
            QDir().mkpath(QFileInfo(QString::fromStdString(world.path(f))).path());
            world.writeFile(f, "ITSF");
        }
        QDir().mkpath(QString::fromStdString(world.path("Quill/Bin")));
        Folders.ProgramFolder = world.path("Quill/Bin/");
        const std::string location = c.helpLocation.empty() ? "" : world.path(c.helpLocation);
        const HelpLocation help = FindHelpFile(location, c.language);
        EXPECT_EQ(QDir(QString::fromStdString(help.folder)).canonicalPath(),
                  QDir(QString::fromStdString(world.path(c.folder))).canonicalPath());
        EXPECT_TRUE(QDir(QString::fromStdString(help.folder)).exists());   // created when missing
        if (c.file.empty())
            EXPECT_EQ(help.file, "");
        else
            EXPECT_EQ(QFileInfo(QString::fromStdString(help.file)).canonicalFilePath(),
                      QFileInfo(QString::fromStdString(world.path(c.file))).canonicalFilePath());
        if (c.helpLocation.empty())   // back in the program folder after the look beside it
            EXPECT_EQ(QDir(QString::fromStdString(platform::CurrentDirectory())).canonicalPath(),
                      QDir(QString::fromStdString(world.path("Quill/Bin"))).canonicalPath());
    }
}

// A private PATH holding only the viewers a test installs.
class HelpViewerTest : public test::TempWorldTest {
protected:
    void SetUp() override {
        savedPath_ = qgetenv("PATH");
        bin_ = QString::fromStdString(world.path("bin"));
        QDir().mkpath(bin_);
        qputenv("PATH", bin_.toLocal8Bit() + ":/usr/bin:/bin");
        Folders.AppTitle = "QuillPrint";
        Folders.HelpFile = world.path("Help/QuillHelpEN.chm");
    }
    void TearDown() override {
        FinalizeHelpSystem();
        qputenv("PATH", savedPath_);
    }
    // A viewer that writes its arguments to <name>.args and stays open.
    void InstallViewer(const QString& name) {
        const QString script = bin_ + "/" + name;
        world.writeFile("bin/" + name.toStdString(),
                        "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + (script + ".args").toStdString() +
                            "\"\nexec sleep 30\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStringList Arguments(const QString& name) {
        QFile f(bin_ + "/" + name + ".args");
        if (!QTest::qWaitFor([&] { return f.exists() && f.size() > 0; }, 5000)) return {};
        f.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QByteArray savedPath_;
    QString bin_;
};

TEST_F(HelpViewerTest, WithoutAViewerTheNotInstalledMessageAppears) {
    InstallHelpSystem();
    auto seen = test::AnswerNextMessageBox(QMessageBox::Ok);
    ShowHelpTopic(1001);
    ASSERT_TRUE(seen->shown);
    EXPECT_EQ(seen->text, "MS Html Help is not installed on this PC.");
    EXPECT_EQ(seen->title, "QuillPrint");
    EXPECT_EQ(seen->icon, QMessageBox::Warning);
    EXPECT_EQ(THookHelpSystem::Instance()->OpenViewers(), 0);
}

TEST_F(HelpViewerTest, F1OpensTheTopicOfTheNearestContextInOneViewerWindow) {
    InstallViewer("xchm");
    InstallHelpSystem();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* group = new QWidget(&window);
    layout->addWidget(group);
    auto* edit = new QLineEdit(group);
    SetHelpContext(group, 1062);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(Arguments("xchm"), (QStringList{"--contextid=1062", QString::fromStdString(Folders.HelpFile)}));
    EXPECT_EQ(THookHelpSystem::Instance()->OpenViewers(), 1);

    SetHelpContext(edit, 1063);
    QFile::remove(bin_ + "/xchm.args");
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(Arguments("xchm"), (QStringList{"--contextid=1063", QString::fromStdString(Folders.HelpFile)}));
    EXPECT_EQ(THookHelpSystem::Instance()->OpenViewers(), 1);   // the new topic replaced the old window

    FinalizeHelpSystem();   // closes all help windows
    EXPECT_EQ(THookHelpSystem::Instance(), nullptr);
}

TEST_F(HelpViewerTest, AViewerWithoutTopicsOpensTheFile) {
    InstallViewer("kchmviewer");
    ShowHelpTopic(1033);
    EXPECT_EQ(Arguments("kchmviewer"), QStringList{QString::fromStdString(Folders.HelpFile)});
}

TEST(UserGuideTest, TheHelpMenuOpensTheGuide) {
    ASSERT_FALSE(UserGuidePath().isEmpty());
    TfrmBaseSideMenu window;
    window.show();
    window.ActionUserGuide()->trigger();
    QTextBrowser* browser = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Quill User Guide") browser = w->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("Quill")) << browser->toPlainText().left(200).toStdString();
    browser->window()->close();
}

}  // namespace
}  // namespace quill::ui
