// Direct designs, printer command files and Printers.INI as the engine and
// the layout editor read them.
#include "printing/DirectFiles.h"

#include <gtest/gtest.h>

#include "printing/EngineStartWorld.h"

namespace quill::test {
namespace {

class DirectFiles : public EngineStartWorldTest {
protected:
    void SetUp() override { StartEngine("[Quill]\nLogMode=1\n"); }
};

TEST_F(DirectFiles, DesignKeepsWhatTheFileLacksAndStopsAtTheFirstMissingLine) {
    world.writeFile("designs/D1.LBL", "[Main]\nPort=/tmp/x\n[Lines]\nLine1=<1>\nLine2=<2>\nLine4=<4>\n");
    TDirectDesign design{"LOGOMATIC_2000", "LPT1", "old text", "old remark", {"stale"}};
    ASSERT_TRUE(ReadDirectDesign(designFolder() + "d1.lbl", design)) << "found without regard to case";
    EXPECT_EQ(design.Printer, "LOGOMATIC_2000");
    EXPECT_EQ(design.Port, "/tmp/x");
    EXPECT_EQ(design.Description, "old text");
    EXPECT_EQ(design.Lines, (std::vector<std::string>{"<1>", "<2>"}));

    std::string many = "[Lines]\n";
    for (int n = 1; n <= 1000; ++n) many += "Line" + std::to_string(n) + "=<" + std::to_string(n % 256) + ">\n";
    world.writeFile("designs/Many.lbl", many);
    ASSERT_TRUE(ReadDirectDesign(designFolder() + "Many.lbl", design));
    EXPECT_EQ(design.Lines.size(), static_cast<std::size_t>(MaxLayoutLines));

    EXPECT_FALSE(ReadDirectDesign(designFolder() + "Missing.lbl", design));
    EXPECT_FALSE(ReadDirectDesign("", design));
}

TEST_F(DirectFiles, CommandsEndAtTheFirstSectionWithoutNameOrValue) {
    world.writeFile("prog/zpl.ini",
                    "[Command1]\nEN=Start\nESC=^XA\n[Command2]\nDU=Begin\nEN=Begin\nESC=27,66\n"
                    "[Command3]\nESC=no name\n[Command4]\nEN=Late\nESC=^XZ\n");
    const TPrinterCommands commands = ReadPrinterCommands("ZPL");
    EXPECT_EQ(commands.Names, (std::vector<std::string>{"Start", "Begin"}));
    EXPECT_EQ(commands.Values, (std::vector<std::string>{"^XA", "27,66"}));

    world.writeFile("prog/NOESC.INI", "[Command1]\nEN=Start\n[Command2]\nEN=Next\nESC=1\n");
    EXPECT_TRUE(ReadPrinterCommands("NOESC").Names.empty());
    world.writeFile("prog/EMPTY.INI", "");
    EXPECT_TRUE(ReadPrinterCommands("EMPTY").Names.empty());
}

TEST_F(DirectFiles, PrintersIniAndMissingFilesAreLogged) {
    TPrintersIni none = ReadPrinters();
    EXPECT_EQ(none.PortDefault, "LPT1");
    EXPECT_TRUE(none.Printers.empty());
    EXPECT_TRUE(ReadPrinterCommands("ABSENT").Names.empty());
    EXPECT_NE(MonthlyLog().find("Warning: Cannot find: " + world.programFolder() + "Printers.INI"), std::string::npos);
    EXPECT_NE(MonthlyLog().find("Warning: Cannot find: " + world.programFolder() + "ABSENT.INI"), std::string::npos);

    std::string text = "[Main]\nPrinterDefault=ZPL\n[Printers]\nPrinter1=ZPL\nParse1=0\nPrinter2=EPL\n";
    for (int n = 3; n <= 40; ++n) text += "Printer" + std::to_string(n) + "=P" + std::to_string(n) + "\n";
    text += "[Ports]\nPort1=LPT1\nPort2=capture\nPort4=/tmp/skipped\n";
    world.writeFile("prog/Printers.INI", text);
    const TPrintersIni printers = ReadPrinters();
    EXPECT_EQ(printers.PrinterDefault, "ZPL");
    EXPECT_EQ(printers.PortDefault, "LPT1");
    ASSERT_EQ(printers.Printers.size(), 31u);
    EXPECT_FALSE(printers.Printers[0].Parse);
    EXPECT_TRUE(printers.Printers[1].Parse);
    EXPECT_EQ(printers.Ports, (std::vector<std::string>{"LPT1", "capture"}));
}

}  // namespace
}  // namespace quill::test
