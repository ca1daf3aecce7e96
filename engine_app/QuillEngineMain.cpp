// quill-engine: the label print engine.
#include <iostream>
#include <string>
#include <vector>

#include "core/SettingsStore.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "engine/LabelFileChecker.h"
#include "engine/ModeNames.h"
#include "engine_app/SettingsCommand.h"

namespace {

constexpr const char* kUsage =
    "usage: quill-engine --version\n"
    "       quill-engine --settings COMMAND ...        (--settings alone lists the commands)\n"
    "       quill-engine --check-label-file MODE FILE  (MODE: Legacy, VekLegacy, Manual, Corvane, ...)\n";

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

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    quill::Folders.AppTitle = "QuillEngine";
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "QuillEngine " << QUILL_VERSION << "\n";
        return 0;
    }
    if (!args.empty() && args[0] == "--settings")
        return quill::RunSettingsCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (args.size() == 3 && args[0] == "--check-label-file") return CheckLabelFileCommand(args[1], args[2]);
    std::cerr << kUsage;
    return 2;
}
