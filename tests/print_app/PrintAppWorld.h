#pragma once
// QuillPrint's windows over a private site (offscreen Qt widgets): a data
// root with QUILL.INI, designs made from the example design, and the ways a
// test answers the boxes and dialogs the windows open.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/UGlobals.h"
#include "print_app/FBaseSelectDesign.h"
#include "print_app/FSideMenuPrint.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {

class PrintAppTest : public TempWorldTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // QUILL.INI, then the main window started and shown.
    TfrmSideMenuPrint& start(const std::string& ini);
    TfrmBaseSelectDesign& list(TMode mode) const { return *window->DesignList(mode); }
    // Lets queued work (the start-up warning) run.
    static void settle();

    // Relative to the world: the example design as folder/name.lbl, with
    // name.lbp when `printerSettings`, and `description` as its text.
    void putDesign(const std::string& folder, const std::string& name, bool printerSettings = true,
                   const std::string& description = "Address labels") const;
    bool exists(const std::string& relative) const;
    std::string description(const std::string& relative) const;
    // The design names (column Design) of the list's rows, location rows
    // as "[name]", in grid order.
    static std::vector<std::string> rows(TfrmBaseSelectDesign& list);
    // Focuses the row whose Design is `name` (a location row: "[name]").
    static void focus(TfrmBaseSelectDesign& list, const std::string& name);

    std::unique_ptr<TfrmSideMenuPrint> window;
};

// One answer to a modal window; it must close the window.
using Answer = std::function<void(QWidget*)>;
// Input box: OK with `text`, Cancel when `text` is empty.
Answer Input(const std::string& text);
// Design name dialog: `name` and the check box, OK; Cancel when `name` is empty.
Answer DesignName(const std::string& name, bool overwrite = false);
// Message box: the button.
Answer Button(QMessageBox::StandardButton button);
// Location dialog of a multi-folder copy: the rows at `rows` selected, OK.
Answer Locations(std::vector<int> rows);

// Answers the modal windows that open next, one answer each, in order.
// Returns what each showed, filled as they are answered.
std::shared_ptr<std::vector<ModalSeen>> AnswerInOrder(std::vector<Answer> answers);

}  // namespace quill::test
