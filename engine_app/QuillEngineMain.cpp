// quill-engine: the label print engine.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "core/UGlobals.h"
#include "engine_app/SettingsCommand.h"

namespace {

constexpr const char* kUsage =
    "usage: quill-engine --version\n"
    "       quill-engine --settings COMMAND ...   (--settings alone lists the commands)\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    quill::Folders.AppTitle = "QuillEngine";
    if (!args.empty() && args[0] == "--version") {
        std::cout << "QuillEngine " << QUILL_VERSION << "\n";
        return 0;
    }
    if (!args.empty() && args[0] == "--settings")
        return quill::RunSettingsCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    std::cerr << kUsage;
    return 2;
}
