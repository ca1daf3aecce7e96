#pragma once
// A private site for the printing windows: settings, the Manual design and
// label folders in the test's temporary folder, QuillPrint's core start-up,
// and the real quill-engine that prints what the windows wrote, into PDF
// files whose barcodes the tests decode.
#include <memory>
#include <string>
#include <vector>

#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {

class PrintingWindowsTest : public TempWorldTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // QUILL.INI (Manual enabled) with `extra` lines in [Quill]; starts the core.
    void start(const std::string& extra = "");
    std::string designFolder() const { return world.path("data/labels/designs/User/"); }
    std::string labelFolder() const { return world.path("data/labels/User/"); }
    // A design of `cols` x `rows` labels 60 x 25 mm on a page: a Code 128
    // barcode of the first field and a text per further field name given.
    void writeDesign(const std::string& fileName, const std::vector<std::string>& fields, int rows = 10,
                     int cols = 3) const;
    // The label files written, oldest name first, and the lines of one.
    std::vector<std::string> labelFiles() const;
    std::vector<std::string> lines(const std::string& labelFile) const;
    // quill-engine --drain on the same site; its exit code.
    int drainWithEngine() const;
    // Every Code 128 symbol on every page of the printed PDFs.
    std::vector<std::string> printedBarcodes() const;
    // The text of every page of the printed PDFs.
    std::string printedText() const;
    std::string lastBarcodeStored() const;

    // A printing window on `design`, shown as the main window shows it.
    template <class Window>
    std::unique_ptr<Window> openWindow(const std::string& design) {
        auto window = std::make_unique<Window>();
        window->SetDesign(design, designFolder(), labelFolder());
        window->show();
        return window;
    }
};

}  // namespace quill::test
