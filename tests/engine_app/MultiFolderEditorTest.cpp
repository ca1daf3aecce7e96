// The multi-folder list editor, opened from the settings page: incomplete
// rows block saving (and closing after Yes), nothing is stored partly,
// deleting renumbers, and a list saved empty removes every stored entry.
#include <filesystem>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "SettingsPageWorld.h"
#include "core/UGlobals.h"
#include "engine_app/EngineSettingsGroups.h"
#include "engine_app/FDlgMultiFolderDesignsEdit.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

class MultiFolderEditor : public SettingsPageTest {
protected:
    // Corvane visible with entries of `names` (and any `extra` INI text).
    void openWith(const std::vector<std::string>& names, const std::string& extra = {}) {
        std::string ini = "[CORVANE]\nVisible=1\n" + extra;
        for (std::size_t i = 0; i < names.size(); ++i) ini += entry(static_cast<int>(i) + 1, names[i]);
        openPage(ini);
    }
    std::string entry(int number, const std::string& name) const {
        return "[CORVANE" + std::to_string(number) + "]\nName=" + name + "\nDesignLocation=" + folder(name, "designs") +
               "\nFileLocation=" + folder(name, "labels") + "\n";
    }
    std::string folder(const std::string& name, const std::string& kind) const {
        return world.path("sites/" + name + "/" + kind);
    }
    // Opens the editor with the Corvane group's button and hands it to `drive`, which ends it.
    void edit(const std::function<void(TfrmDlgMultiFolderDesignsEdit&)>& drive) const {
        bool driven = false;
        AnswerNextModal([&](QWidget* modal) {
            auto* editor = qobject_cast<TfrmDlgMultiFolderDesignsEdit*>(modal);
            ASSERT_NE(editor, nullptr) << modal->metaObject()->className();
            driven = true;
            drive(*editor);
            if (editor->isVisible()) editor->close();
        });
        page().ModeGroup(TMode::Corvane)->MultiFolders()->click();
        EXPECT_TRUE(driven);
    }
    std::vector<std::string> storedNames() const {
        const std::string store = exported();
        std::vector<std::string> names;
        for (int n = 1; n <= 6; ++n) names.push_back(ValueIn(store, "CORVANE" + std::to_string(n), "Name"));
        return names;
    }
};

TEST_F(MultiFolderEditor, IncompleteRowsBlockSavingAndClosing) {
    openWith({"North", "South"});
    edit([this](TfrmDlgMultiFolderDesignsEdit& editor) {
        EXPECT_EQ(editor.windowTitle(), "Multi Design Folders");
        EXPECT_EQ(editor.StatusPanel(0)->text(), "Corvane mode");
        EXPECT_TRUE(editor.StatusPanel(1)->text().isEmpty());
        ASSERT_EQ(editor.Model().rowCount(), 2);
        EXPECT_EQ(editor.NameEdit()->text(), "North");
        EXPECT_EQ(editor.DesignFolderEdit()->text().toStdString(), folder("North", "designs") + "/");

        editor.AddClick();
        EXPECT_EQ(editor.Model().Cell(2, 0), "NEW");
        EXPECT_EQ(editor.NameEdit()->text(), "NEW");
        EXPECT_EQ(editor.StatusPanel(1)->text(), " * ");

        auto refused = AnswerNextMessageBox(QMessageBox::Ok);
        EXPECT_FALSE(editor.SaveClick());
        EXPECT_EQ(refused->text, TfrmDlgMultiFolderDesignsEdit::IncompleteMessage);
        EXPECT_EQ(storedNames()[2], "(none)") << "nothing stored";

        // Closing, Yes: the same refusal, and the window stays.
        std::shared_ptr<ModalSeen> again;
        const auto question = AnswerNextModal([&again](QWidget* box) {
            again = AnswerNextMessageBox(QMessageBox::Ok);
            ClickButton(box, "Yes");
        });
        editor.close();
        EXPECT_EQ(question->text, "You've changed something! Save changes?");
        ASSERT_TRUE(again);
        EXPECT_EQ(again->text, TfrmDlgMultiFolderDesignsEdit::IncompleteMessage);
        EXPECT_TRUE(editor.isVisible());

        editor.NameEdit()->selectAll();
        QTest::keyClicks(editor.NameEdit(), "East");
        EXPECT_EQ(editor.Model().Cell(2, 0), "East");
        fs::create_directories(folder("East", "labels"));
        const auto designsAt = ChooseFolderWhenAsked(folder("East", "designs"));
        editor.DesignBrowse()->click();
        EXPECT_EQ(designsAt->toStdString() + "/", ModeDesignFolder(TMode::Corvane)) << "empty: the mode's own folder";
        const auto labelsAt = ChooseFolderWhenAsked(folder("East", "labels"));
        editor.FileBrowse()->click();
        EXPECT_EQ(editor.Model().Cell(2, 2).toStdString(), folder("East", "labels"));
        EXPECT_TRUE(editor.SaveClick());
        EXPECT_TRUE(editor.StatusPanel(1)->text().isEmpty());
    });
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"North", "South", "East", "(none)", "(none)", "(none)"}));
    EXPECT_EQ(Mode(TMode::Corvane).Locations.size(), 3u) << "reloaded when the editor closes";
    EXPECT_TRUE(fs::is_directory(folder("East", "labels") + "/Backup"));
    leavePage(std::nullopt);
}

TEST_F(MultiFolderEditor, DeletingRenumbersAndAnEmptyListRemovesEveryEntry) {
    // Entry 5 lies past a gap: loading stops at 3, saving still removes it.
    openWith({"A", "B", "C"}, entry(5, "E"));
    EXPECT_FALSE(page().ModeGroup(TMode::Corvane)->DesignFolder()->isEnabled());
    edit([](TfrmDlgMultiFolderDesignsEdit& editor) {
        ASSERT_EQ(editor.Model().rowCount(), 3);
        auto asked = AnswerNextMessageBox(QMessageBox::Yes);
        editor.DeleteClick();
        EXPECT_EQ(asked->text, "Delete line?");
        EXPECT_EQ(editor.NameEdit()->text(), "B") << "the next row takes the focus";
        EXPECT_TRUE(editor.SaveClick());
    });
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"B", "C", "(none)", "(none)", "(none)", "(none)"}));

    edit([](TfrmDlgMultiFolderDesignsEdit& editor) {
        while (editor.Model().rowCount() > 0) {
            AnswerNextMessageBox(QMessageBox::Yes);
            editor.DeleteClick();
        }
        EXPECT_FALSE(editor.NameEdit()->isEnabled());
        // Closing asks; Yes saves the empty list.
        AnswerNextMessageBox(QMessageBox::Yes);
        editor.close();
        EXPECT_FALSE(editor.isVisible());
    });
    EXPECT_EQ(storedNames(), std::vector<std::string>(6, "(none)"));
    EXPECT_TRUE(Mode(TMode::Corvane).Locations.empty());
    EXPECT_TRUE(page().ModeGroup(TMode::Corvane)->DesignFolder()->isEnabled()) << "the pair is the mode's own again";
    leavePage(std::nullopt);
}

}  // namespace
}  // namespace quill::test
