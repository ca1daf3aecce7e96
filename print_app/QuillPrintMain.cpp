// quill-print: designs, manual labels and printing from text files.
#include <sys/stat.h>

#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "core/Startup.h"
#include "core/UGlobals.h"
#include "designer/LabelDesigner.h"
#include "print_app/FSideMenuPrint.h"
#include "ui/FPreview.h"
#include "ui/Splash.h"

namespace {

constexpr const char* kUsage =
    "usage: quill-print [--program-folder DIR]   the print and design application\n"
    "       quill-print --version\n"
    "--program-folder DIR picks another program folder (default <data root>/program,\n"
    "or $QUILL_PROGRAM_FOLDER), where QUILL.INI says which modes are enabled.\n";

}  // namespace

int main(int argc, char** argv) {
    // Designs are shared by every member of the site's group.
    ::umask(002);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "QuillPrint " << QUILL_VERSION << "\n";
        return 0;
    }
    if (args.size() == 2 && args[0] == "--program-folder") {
        quill::ChooseProgramFolder(args[1]);
    } else if (!args.empty()) {
        std::cout << kUsage;
        return args[0] == "--help" || args[0] == "-h" ? 0 : 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QUILL_VERSION);
    quill::ui::TfrmSplash splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();
    QApplication::setApplicationName("QuillPrint");
    quill::Folders.AppTitle = "QuillPrint";
    quill::ui::InstallPreviewWindowHook();
    quill::designer::InstallLabelDesigner();
    quill::TfrmSideMenuPrint window;
    splash.hide();
    splash.close();
    window.show();
    return app.exec();
}
