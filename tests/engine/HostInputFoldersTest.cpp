// A host can only drop files into label folders. Whatever those files say,
// the engine reads designs, writes ports and files label files only where
// the site put them, and label data never breaks a row or a log line.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <sstream>

#include "EngineCoreWorld.h"
#include "core/Vocabularies.h"
#include "engine/LabelFileChecker.h"
#include "engine/LabelLineParsers.h"
#include "engine/LabelLines.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class HostInputFoldersTest : public test::EngineCoreTest {
protected:
    void SetUp() override { makeEngine("LogMode=3\n", "[DIRECT]\nVisible=1\n"); }

    // Drops the label file, runs one tick and returns the last row's status.
    std::string take(const std::string& text, TMode mode = TMode::Corvane, const std::string& name = "in.lbl") {
        writeLabelFile(name, text, 20, mode);
        core->CheckIncomingTimerTimer();
        return core->Rows().Rows().empty() ? "" : core->Rows().Rows().back().Status;
    }
    std::size_t filedIn(const char* subfolder, TMode mode = TMode::Corvane) const {
        return filesIn(labelFolder(mode) + subfolder).size();
    }
    static bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
};

TEST_F(HostInputFoldersTest, DesignNamesNeverLeadOutOfTheDesignFolder) {
    writeDesign("C01");
    const std::string outside = world.path("data/labels/designs/Outside/");
    fs::create_directories(outside);
    for (const char* extension : {".lbl", ".lbp"}) {
        fs::copy_file(designFolder() + "C01" + extension, outside + "C01" + extension);
        fs::create_symlink(outside + "C01" + extension, designFolder() + "C77" + extension);
        fs::create_symlink("C01" + std::string(extension), designFolder() + "C78" + extension);
    }
    // A Direct "design" the host dropped in its folder (not as a label file), naming any file as its port.
    const std::string hostPort = world.path("written-by-host");
    const std::string hostFolder = labelFolder(TMode::Direct) + "Backup";
    fs::create_directories(hostFolder);
    world.writeFile(hostFolder.substr(world.root().size()) + "/B.lbl",
                    "[Main]\nPort=" + hostPort + "\n[Lines]\nLine1=<\"owned\">\n");
    const std::string toHostFolder = fs::relative(hostFolder, designFolder(TMode::Direct)).string();

    struct Case {
        TMode mode;
        std::string line;
        bool prints;
    };
    const Case cases[] = {
        {TMode::Direct, "1," + toHostFolder + "/B,,x\r\n", false},
        {TMode::Corvane, "1,../Outside/C,01,x\r\n", false},
        {TMode::Corvane, "1," + outside + "C,01,x\r\n", false},
        {TMode::Corvane, "1,c,77,x\r\n", false},  // a link, found without regard to case, to a design outside
        {TMode::Corvane, "1,C,78,x\r\n", true},   // a link to a design inside
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::size_t pdfs = pdfFiles().size();
        const std::size_t errors = filedIn("Error", c.mode);
        const std::string status = take(c.line, c.mode);
        EXPECT_EQ(pdfFiles().size(), pdfs + (c.prints ? 1 : 0));
        EXPECT_EQ(filedIn("Error", c.mode), errors + (c.prints ? 0 : 1));
        EXPECT_EQ(StartsWith(status, "Not printed. Design not found"), !c.prints) << status;
    }
    EXPECT_FALSE(fs::exists(hostPort));
}

TEST_F(HostInputFoldersTest, DirectPortsAreOnlyThoseTheSiteAllows) {
    const std::string designs = designFolder(TMode::Direct);
    const std::string listed = world.path("listed.prn");
    world.writeFile("prog/Printers.INI", "[Ports]\nPort1=" + listed + "\n");
    world.writeFile("victim", "keep");
    fs::create_directories(designs);
    fs::create_symlink(world.path("victim"), designs + "link.prn");

    struct Case {
        std::string port;
        std::string file;  // where the bytes land, or must not land
        bool prints;
    };
    const Case cases[] = {
        {"inside.prn", designs + "inside.prn", true},
        {designs + "absolute.prn", designs + "absolute.prn", true},
        {listed, listed, true},
        {world.path("outside.prn"), world.path("outside.prn"), false},
        {"../escape.prn", world.path("data/labels/designs/escape.prn"), false},
        {"link.prn", world.path("victim"), false},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        const std::string design = "D0" + std::to_string(++number);
        world.writeFile(designs.substr(world.root().size()) + design + ".lbl",
                        "[Main]\nPrinter=NONE\nPort=" + c.port + "\n[Lines]\nLine1=<\"bytes\">\n");
        const std::string status = take("1,D," + std::to_string(number) + ",x\r\n", TMode::Direct);
        EXPECT_TRUE(StartsWith(status, (c.prints ? "Printed to " : "Not printed. Print Error on ") + c.port)) << status;
        EXPECT_EQ(world.readFile(c.file.substr(world.root().size())) == "bytes", c.prints);
    }
    EXPECT_EQ(world.readFile("victim"), "keep");
}

TEST_F(HostInputFoldersTest, LinkedBackupOrErrorFolderIsRefused) {
    writeDesign("C01");
    struct Case {
        const char* folder;
        const char* line;  // a label file that goes there
    };
    for (const Case& c : {Case{"Backup", "1,C,01,x\r\n"}, Case{"Error", "1,C,99,x\r\n"}}) {
        SCOPED_TRACE(c.folder);
        const std::string elsewhere = world.path(std::string("elsewhere-") + c.folder);
        fs::create_directories(elsewhere);
        fs::remove_all(labelFolder() + c.folder);
        fs::create_directory_symlink(elsewhere, labelFolder() + c.folder);
        take(c.line);
        EXPECT_TRUE(filesIn(elsewhere).empty());
        const std::vector<std::string> kept = filesIn(labelFolder());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(fs::path(kept[0]).extension(), ".unfiled");
        EXPECT_NE(logText().find(labelFolder() + c.folder + " is a link or no folder"), std::string::npos);
        fs::remove(labelFolder() + kept[0]);
    }
}

TEST_F(HostInputFoldersTest, MoreThan99999CopiesIsAFormatErrorInEveryMode) {
    const std::vector<TMode> modes = {TMode::VekLegacy, TMode::Manual,    TMode::Corvane,   TMode::CorvanePWB,
                                      TMode::Tamber,    TMode::Direct,    TMode::DirectORS, TMode::CorvaneORS};
    for (TMode mode : modes) {
        SCOPED_TRACE(ModeIndex(mode));
        const std::vector<TField> vocabulary = BuildVocabulary(mode);
        const TLabelSource source{mode, vocabulary, designFolder(), "", ','};
        TLabelRecord record;
        int largest = 0;
        const auto read = [&](const std::string& text) {
            ForEachLabelRecord(source, text, record, [&](int, const TLabelRecord& r) { largest = r.Amount; });
        };
        read("99999,C,01,x\r\n");
        EXPECT_EQ(largest, 99999);
        for (const char* tooMany : {"100000", "99999999999999999999"}) {
            try {
                read("1,C,01,x\r\n" + std::string(tooMany) + ",C,01,x\r\n");
                ADD_FAILURE() << tooMany << " copies were accepted";
            } catch (const TLabelFormatError& error) {
                EXPECT_TRUE(StartsWith(error.what(), "line 2: amount ")) << error.what();
            }
        }
    }

    writeDesign("C01");
    take("1,C,01,A\r\n100000,C,01,B\r\n");
    EXPECT_EQ(pdfFiles().size(), 1u) << "the line before is printed";
    EXPECT_EQ(filedIn("Error"), 1u);
    EXPECT_NE(logText().find("line 2: amount 100000 is more than 99999 copies"), std::string::npos);

    world.writeFile("check.lbl", "100000,C,01,x\r\n");
    std::ostringstream out;
    EXPECT_EQ(CheckLabelFile(TMode::Corvane, world.path("check.lbl"), out), 1);
    EXPECT_TRUE(StartsWith(out.str(), "format error at line 1: amount 100000")) << out.str();
}

TEST_F(HostInputFoldersTest, ControlCharactersFromLabelDataAreEscapedInRowsAndLog) {
    take("1,C\a,01,x\r\n", TMode::Corvane, "evil\x1b[2J\nname.lbl");
    ASSERT_EQ(core->Rows().Rows().size(), 1u);
    const TQueueRow& row = core->Rows().Rows().front();
    EXPECT_EQ(row.Design, "C<007>01");
    EXPECT_NE(row.Status.find("C<007>01.lbl"), std::string::npos) << row.Status;
    const std::string log = logText();
    EXPECT_NE(log.find("(evil<027>[2J<010>name.lbl)"), std::string::npos) << log;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) << "a broken line: " << line;
        for (const char c : line) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << line;
    }
}

}  // namespace
}  // namespace quill
