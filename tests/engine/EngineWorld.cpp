#include "EngineWorld.h"

#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/Logging.h"
#include "core/Startup.h"
#include "core/Utilities.h"
#include "support/QtGuiEnvironment.h"

extern char** environ;

namespace quill::test {

namespace fs = std::filesystem;

namespace {

QUILL_TEST_GUI_APPLICATION("engine_tests");


std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void EngineTest::StartUp(const std::string& ini, const std::string& extraSections) {
    // The first of two equal keys counts: the test's own lines come first.
    world.writeFile("prog/QUILL.INI", "[Quill]\n" + ini + "\nUseDirMonitor=0\n[CORVANE]\nVisible=1\n" + extraSections);
    ASSERT_EQ(chdir(world.programFolder().c_str()), 0);
    Folders.AppTitle = "QuillEngine";
    InitializeGlobals();
}

void EngineTest::TearDown() {
    FinalizeGlobals();
    Folders = TFolders{};
}

std::string EngineTest::labelFolder(TMode mode) const { return AddBackslash(Mode(mode).FileLocation); }
std::string EngineTest::designFolder(TMode mode) const { return AddBackslash(Mode(mode).DesignLocation); }

void EngineTest::writeDesign(const std::string& name, int rows, int cols, TMode mode) const {
    std::ostringstream design;
    design << "[Design]\nFormatVersion=1\n[Label]\nWidth=60\nHeight=20\n[Layout]\nnRows=" << rows
           << "\nnCols=" << cols << "\n[Object1]\nType=Text\nX=2\nY=2\nWidth=56\nHeight=6\nFontSize=8\n"
           << "Contents=P={" << Mode(mode).Fields.front().Name << "}\n";
    fs::create_directories(designFolder(mode));
    std::ofstream(designFolder(mode) + name + ".lbl") << design.str();
    std::ofstream(designFolder(mode) + name + ".lbp") << "[Printer]\nFormatVersion=1\nName=PDF\n";
}

std::string EngineTest::writeLabelFile(const std::string& name, const std::string& text, int ageSeconds,
                                       TMode mode) const {
    const std::string path = labelFolder(mode) + name;
    std::ofstream(path, std::ios::binary) << text;
    const auto when = fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds);
    fs::last_write_time(path, when);
    return path;
}

std::vector<std::string> EngineTest::filesIn(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> EngineTest::pdfFiles() const {
    std::vector<std::string> files;
    for (const std::string& name : filesIn(world.path("pdf")))
        if (fs::path(name).extension() == ".pdf") files.push_back(world.path("pdf/") + name);
    return files;
}

std::string EngineTest::pdfText(const std::string& pdf) const {
    const std::string out = world.path("pdftext.txt");
    if (RunCommand("pdftotext -layout '" + pdf + "' '" + out + "'") != 0) return {};
    return ReadAll(out);
}

std::string EngineTest::allPdfText() const {
    std::string text;
    for (const std::string& pdf : pdfFiles()) text += pdfText(pdf);
    return text;
}

std::string EngineTest::logText() const { return ReadAll(LogFileName()); }

int SpawnSelf(const std::string& filter, const std::vector<std::string>& environment) {
    std::vector<std::string> env(environment);
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string exe = fs::read_symlink("/proc/self/exe").string();
    std::string filterArg = "--gtest_filter=" + filter;
    std::string disabled = "--gtest_also_run_disabled_tests";
    char* argv[] = {exe.data(), filterArg.data(), disabled.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    return pid;
}

bool WaitForFile(const std::string& path, double seconds) {
    QElapsedTimer clock;
    clock.start();
    while (!fs::exists(path)) {
        if (clock.elapsed() > seconds * 1000) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace quill::test
