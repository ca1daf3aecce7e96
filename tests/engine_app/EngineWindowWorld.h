#pragma once
// Engine windows over a real, started engine in the test's world (offscreen
// Qt widgets), and the way a test answers the modal windows they open.
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include <QPointer>
#include <QString>
#include <QTimer>

#include "EngineAppWorld.h"
#include "engine_app/EngineRun.h"

class QWidget;

namespace quill::test {

class EngineWindowTest : public EngineAppTest {
protected:
    // QUILL.INI of `ini`, then the engine started as "QuillEngine" (monitors off).
    void startEngine(const std::string& ini);
    void TearDown() override;

    TEngineCore& core() const { return *run->Core(); }
    // Runs ticks until every label file present has been taken.
    void tickUntilTaken() const;
    // A label file of `mode` with the given name, straight into its label folder.
    void putFile(const std::string& relativeFolder, const std::string& name, const std::string& text = "x") const;

    std::ostringstream rowsOut;
    std::unique_ptr<TEngineRun> run;
};

// Calls `answer` with the next modal window other than `except` that opens
// (looked for every 10 ms), and, with `textPrefix`, only with a message box
// whose text starts with it. Set it up before the action that opens it;
// deleting the returned watcher stops waiting.
QPointer<QTimer> WhenModal(std::function<void(QWidget*)> answer, QWidget* except = nullptr,
                           const QString& textPrefix = {});
// Clicks the button of `window` whose text is `text` (ampersands ignored).
void ClickButton(QWidget* window, const QString& text);
// The text of a message box.
QString MessageText(QWidget* box);

}  // namespace quill::test
