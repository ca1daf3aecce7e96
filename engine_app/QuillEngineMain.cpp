// quill-engine: the label print engine.
#include <sys/stat.h>

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "core/Startup.h"
#include "core/TDLogFile.h"
#include "core/UGlobals.h"
#include "engine/LabelFileChecker.h"
#include "engine/ModeNames.h"
#include "engine_app/CommandLine.h"
#include "engine_app/DesktopRun.h"
#include "engine_app/HeadlessRun.h"
#include "engine_app/ServiceInstaller.h"
#include "engine_app/SettingsCommand.h"
#include "engine_app/StatusCommand.h"
#include "labelrender/Calibration.h"

namespace {

constexpr const char* kUsage =
    "usage: quill-engine [--headless]               run the engine until SIGTERM or Ctrl-C\n"
    "       quill-engine --drain                    print every label file present, then exit\n"
    "       quill-engine --service                  run as the service QuillService (systemd starts it)\n"
    "       quill-engine -INSTALL | -UNINSTALL      register or remove the service (also /install, \\install)\n"
    "       quill-engine --status [--json]          the running engine's state and queue\n"
    "       quill-engine --pause | --resume | --print-now   steer the running engine\n"
    "       quill-engine --version\n"
    "       quill-engine --settings COMMAND ...        (--settings alone lists the commands)\n"
    "       quill-engine --check-label-file MODE FILE  (MODE: Legacy, VekLegacy, Manual, Corvane, ...)\n"
    "       quill-engine --calibration-page PRINTER    rulers and crosses, with PRINTER's calibration\n"
    "--program-folder DIR first picks another program folder (default <data root>/program,\n"
    "or $QUILL_PROGRAM_FOLDER); -debug writes the help diagnostic log HHDebug.txt there.\n"
    "\n"
    "With a display (and none of --headless, --drain, --service) the engine starts\n"
    "in the notification area with its queue window; otherwise it runs headless,\n"
    "in the foreground. Queue rows go to standard output as they change,\n"
    "one line each: mode, design, amount, status, status code, task id (tab-separated).\n"
    "Exit codes: 0 done, 1 --drain left something unprinted (or a failed INSTALL /\n"
    "UNINSTALL, or the running engine did not do what it was asked), 2 usage,\n"
    "3 another engine is running, 4 no engine is running, 5 the running engine\n"
    "may not be reached by this user (not in the site's group).\n"
    "With a display, started while the service runs, it shows the service's\n"
    "queue window and tray icon instead.\n"
    "INSTALL creates the group quill ($QUILL_SITE_GROUP), the service user quill and\n"
    "the shared data root, writes the unit QuillService.service into $QUILL_UNIT_DIR\n"
    "(default /etc/systemd/system) and enables it; $QUILL_SYSTEMCTL, $QUILL_GROUPADD\n"
    "and $QUILL_USERADD replace systemctl, groupadd and useradd.\n";

// Reads FILE as the engine would for MODE and shows every request, printing nothing.
int CheckLabelFileCommand(const std::string& modeName, const std::string& path) {
    const auto mode = quill::ParseModeName(modeName);
    if (!mode) {
        std::cerr << "unknown mode: " << modeName << "\n" << kUsage;
        return 2;
    }
    quill::ChooseSettingsStore();
    quill::WithSettingsSection("", [] {
        quill::Settings.Separator = quill::ReadStringValue("Separator", quill::Settings.Separator);
    });
    return quill::CheckLabelFile(*mode, path, std::cout);
}

// Prints the calibration page on PRINTER (a CUPS destination or PDF).
int CalibrationPageCommand(const std::string& printer, int argc, char** argv) {
    quill::ChooseSettingsStore();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);   // painting needs no display
    QGuiApplication app(argc, argv);
    const quill::labelrender::Status printed = quill::labelrender::PrintCalibrationPage(printer);
    if (!printed.ok()) {
        std::cerr << "calibration page not printed (error " << printed.code << "): " << printed.message << "\n";
        return 1;
    }
    std::cout << "calibration page printed on " << printer << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Every member of the site's group and the service share what we create.
    ::umask(002);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--program-folder") {
        quill::ChooseProgramFolder(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    quill::Folders.AppTitle = "QuillEngine";
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "QuillEngine " << QUILL_VERSION << "\n";
        return 0;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (!args.empty() && args[0] == "--settings")
        return quill::RunSettingsCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (args.size() == 3 && args[0] == "--check-label-file") return CheckLabelFileCommand(args[1], args[2]);
    if (args.size() == 2 && args[0] == "--calibration-page") return CalibrationPageCommand(args[1], argc, argv);
    switch (quill::FindServiceSwitch(args)) {
        case quill::TServiceSwitch::Install:
            return quill::InstallService(quill::CurrentProgramPath(), std::cout, std::cerr);
        case quill::TServiceSwitch::Uninstall:
            return quill::UninstallService(std::cout, std::cerr);
        case quill::TServiceSwitch::None: break;
    }
    if (const auto code = quill::RunControlCommand(args, argc, argv, std::cout, std::cerr)) return *code;
    const auto options = quill::ParseRunOptions(args);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    const quill::TDLogFile helpLog(quill::ProgramFolder(), args);
    if (options->Headless || options->Drain || options->Service || !quill::HasDisplay())
        return quill::RunHeadless(*options, QUILL_VERSION, argc, argv);
    return quill::RunDesktop(QUILL_VERSION, argc, argv);
}
