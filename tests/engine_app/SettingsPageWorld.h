#pragma once
// The engine's main window over a started engine, with its settings page
// shown, and the ways a test leaves the page and reads the store back.
#include <memory>
#include <optional>
#include <string>

#include <QMessageBox>

#include "EngineWindowWorld.h"
#include "engine_app/FEngineSettings.h"
#include "engine_app/FSideMenuEngine.h"

namespace quill::test {

class SettingsPageTest : public EngineWindowTest {
protected:
    void TearDown() override;

    // QUILL.INI of `ini`, the engine started and the settings page shown.
    void openPage(const std::string& ini);
    // The same with no QUILL.INI: the registry store, seeded with `section`
    // / `key` = `value` triples given as "SECTION\tKEY\tVALUE" lines.
    void openPageOnRegistry(const std::string& seed);
    void showPage() const { window->FExBarMenuItemClick(TfrmSideMenuEngine::SystemSettingsCommand); }
    // Goes back to the queue; with an answer, the save question must come
    // and gets it; without one, no question may come.
    void leavePage(std::optional<QMessageBox::StandardButton> answer) const;

    TfrmEngineSettings& page() const { return *window->SettingsPage(); }
    // The store as `quill-engine --settings export` shows it.
    std::string exported() const;

    std::unique_ptr<TfrmSideMenuEngine> window;

private:
    void makeWindow();
};

// The value of `key` in `section` of INI text such as `exported` gives;
// "(none)" when it is missing.
std::string ValueIn(const std::string& iniText, const std::string& section, const std::string& key);

// Answers the next folder chooser with `folder` (confirming its creation
// when it does not exist); what the chooser opened at lands in the result.
std::shared_ptr<QString> ChooseFolderWhenAsked(const std::string& folder);

}  // namespace quill::test
