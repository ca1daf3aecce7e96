#include "EngineAppWorld.h"

#include <cstdlib>
#include <filesystem>

#include "core/Startup.h"
#include "platform/RegistryStore.h"

namespace quill::test {

namespace fs = std::filesystem;

void EngineAppTest::SetUp() {
    setenv("CUPS_SERVER", world.path("no-cups/cups.sock").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // With a display the engine would start its windows; the tests choose.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    // The window tests' application set a runtime folder of its own; an
    // engine started here finds one as a real one would.
    unsetenv("XDG_RUNTIME_DIR");
}

void EngineAppTest::registerService() const {
    platform::RegistryStore(platform::RegistryStore::DefaultPath())
        .WriteString(ServiceRegistryKey, "ImagePath", world.programFolder() + "quill-engine");
}

void EngineAppTest::writeManualDesign(const std::string& name, int rows) const {
    world.writeFile("data/labels/designs/User/" + name + ".lbl",
                    "[Design]\nFormatVersion=1\n[Label]\nWidth=40\nHeight=10\n[Layout]\nnRows=" +
                        std::to_string(rows) +
                        "\nnCols=1\n[Object1]\nType=Text\nX=1\nY=1\nWidth=38\nHeight=8\nContents={Field_03}\n");
    world.writeFile("data/labels/designs/User/" + name + ".lbp", "[Printer]\nFormatVersion=1\nName=\nCopies=1\n");
}

void EngineAppTest::dropManualFile(const std::string& fileName, const std::string& design,
                                   const std::vector<std::string>& values) const {
    std::string text;
    for (const auto& value : values) text += "1," + design + ",1,," + value + ",\r\n";
    // Written under another name and renamed: the engine sees it whole.
    world.writeFile("data/" + fileName + ".part", text);
    fs::create_directories(world.path("data/labels/User"));
    fs::rename(world.path("data/" + fileName + ".part"), world.path("data/labels/User/" + fileName));
}

std::vector<std::string> EngineAppTest::filesIn(const std::string& relativeFolder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(world.path(relativeFolder), ec))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            names.push_back(entry.path().filename().string());
    return names;
}

std::string EngineAppTest::log() const {
    std::string text;
    for (const auto& name : filesIn("Log"))
        if (name.find("QUILLLOG_") != std::string::npos) text += world.readFile("Log/" + name);
    return text;
}

}  // namespace quill::test
