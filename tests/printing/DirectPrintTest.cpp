// Direct-mode tasks printed to real ports: files, line-printer devices
// (stood in for by files and FIFOs), and raw jobs of a private CUPS scheduler.
#include "printing/DirectPrint.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "printing/DirectFiles.h"
#include "printing/EngineStartWorld.h"
#include "printing/PrinterPort.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Points LPT1..LPT9 at the given candidates while it lives.
class LinePrinterDevices {
public:
    explicit LinePrinterDevices(const std::string& list) { setenv("QUILL_LPT_DEVICES", list.c_str(), 1); }
    ~LinePrinterDevices() { unsetenv("QUILL_LPT_DEVICES"); }
};

class DirectPrint : public EngineStartWorldTest {
protected:
    void SetUp() override { StartEngine("[Quill]\nLogMode=1\n"); }

    void writeDirectDesign(const std::string& name, const std::string& printer, const std::string& port,
                           const std::string& lines) const {
        world.writeFile("designs/" + name + ".lbl", "[Main]\nPrinter=" + printer + "\nPort=" + port + "\n[Lines]\n" + lines);
    }
    // Prints one Direct record of `design`; "" when it failed.
    bool print(const std::string& design, std::string& errorText, int copies = 1) {
        std::vector<TLabelRecord> records(static_cast<std::size_t>(copies),
                                          makeRecord(TMode::Direct, design, 1, {{21, "Jansen"}}));
        std::string port;
        return PrintDirectTask(cache_, records, port, errorText);
    }

    TDirectPrinterCache cache_;
};

TEST_F(DirectPrint, BytesGoToAFileOnceWhateverTheCopies) {
    world.writeFile("prog/ZPL.INI", "[Command1]\nEN=Start\nESC=^XA\n[Command2]\nEN=Barcode\nESC=27,66,0,0\n");
    writeDirectDesign("D01", "ZPL", world.path("designs/out.prn"),
                      "Line1=lead text <Start><\"Name: \"><(WearerName,1,8,1)><13><10>\n"
                      "Line2=<Barcode><\"12345678\"><Unknown><2\n");
    std::string port, error;
    const std::vector<TLabelRecord> records(3, makeRecord(TMode::Direct, "D01", 1, {{21, "Jansen"}}));
    ASSERT_TRUE(PrintDirectTask(cache_, records, port, error)) << error;
    EXPECT_EQ(port, world.path("designs/out.prn"));
    const std::string barcode{'\x1b', 'B', '\0', '\x08'};
    EXPECT_EQ(world.readFile("designs/out.prn"), "^XAName: Jansen  \r\n" + barcode + "12345678");

    world.writeFile("designs/D02.lbl", "[Main]\nPort=relative.prn\n[Lines]\nLine1=<\"second\">\n");
    ASSERT_TRUE(print("D02", error)) << error;
    EXPECT_EQ(world.readFile("designs/relative.prn"), "second") << "a relative file is in the design folder";
    world.writeFile("designs/D03.lbl", "[Main]\nPort=relative.prn\n[Lines]\nLine1=<\"3\">\n");
    ASSERT_TRUE(print("D03", error));
    EXPECT_EQ(world.readFile("designs/relative.prn"), "3") << "the file is replaced, as a port takes one job";
}

TEST_F(DirectPrint, MissingDesignSendsNothing) {
    std::string error;
    EXPECT_FALSE(print("Nope", error));
    EXPECT_EQ(error, "Design not found: Nope.lbl");
}

TEST_F(DirectPrint, CommandFileIsReadAgainOnlyAfterAnotherPrinter) {
    world.writeFile("prog/ZPL.INI", "[Command1]\nEN=Start\nESC=^XA\n");
    world.writeFile("prog/EPL.INI", "[Command1]\nEN=Start\nESC=N\n");
    writeDirectDesign("Z", "ZPL", world.path("designs/z.prn"), "Line1=<Start>\n");
    writeDirectDesign("E", "EPL", world.path("designs/e.prn"), "Line1=<Start>\n");
    std::string error;
    ASSERT_TRUE(print("Z", error));
    world.writeFile("prog/ZPL.INI", "[Command1]\nEN=Start\nESC=^XB\n");
    ASSERT_TRUE(print("Z", error));
    EXPECT_EQ(world.readFile("designs/z.prn"), "^XA") << "the loaded printer's commands are kept";
    ASSERT_TRUE(print("E", error));
    EXPECT_EQ(world.readFile("designs/e.prn"), "N");
    ASSERT_TRUE(print("Z", error));
    EXPECT_EQ(world.readFile("designs/z.prn"), "^XB");
}

TEST_F(DirectPrint, ParallelPortsMapToTheFirstLinePrinterDevice) {
    world.writeFile("lp1", "");
    writeDirectDesign("L", "ZPL", "lpt1:", "Line1=<\"to the printer\">\n");
    writeDirectDesign("L9", "ZPL", "LPT9", "Line1=<\"nine\">\n");
    std::string error;
    {
        LinePrinterDevices devices(world.path("lp0") + ":" + world.path("lp1"));
        ASSERT_TRUE(print("L", error)) << error;
        EXPECT_EQ(world.readFile("lp1"), "to the printer");
        world.writeFile("lp1", "");   // a device is not truncated, this stand-in is emptied
        ASSERT_TRUE(print("L9", error)) << error;
        EXPECT_EQ(world.readFile("lp1"), "nine");
        EXPECT_FALSE(fs::exists(world.path("lp0"))) << "a missing device is never created";
    }
    LinePrinterDevices none(world.path("no-lp0"));
    EXPECT_FALSE(print("L", error));
    EXPECT_EQ(error, "Print Error on lpt1:");
}

TEST_F(DirectPrint, APortThatCannotBeOpenedOrWrittenFailsWithoutHanging) {
    const std::string fifo = world.path("designs/lp-fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    writeDirectDesign("F", "ZPL", fifo, "Line1=<\"x\">\n");
    std::string error;
    auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(print("F", error)) << "nobody reads the FIFO";
    EXPECT_EQ(error, "Print Error on " + fifo);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);

    // A reader that holds the FIFO open but never reads: the pipe fills up.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const std::vector<std::string> pieces(64, std::string(64 * 1024, 'x'));
    started = std::chrono::steady_clock::now();
    EXPECT_FALSE(WriteToPort(fifo, pieces, world.root(), "t", 300ms));
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 5s);
    ::close(reader);

    writeDirectDesign("Dir", "ZPL", world.path("designs"), "Line1=<\"x\">\n");
    EXPECT_FALSE(print("Dir", error));
    EXPECT_EQ(error, "Print Error on " + world.path("designs"));
}

TEST_F(DirectPrint, ASpoolerDestinationGetsOneRawJob) {
    QUILL_USE_CUPS(scheduler);
    const std::size_t before = scheduler->JobFileCount();
    writeDirectDesign("Q", "ZPL", "capture", "Line1=<27><\"@\"><0><(WearerName)>\n");
    std::string error;
    ASSERT_TRUE(print("Q", error)) << error;
    const std::string job = scheduler->WaitForJobFiles(before + 1, 10s);
    ASSERT_FALSE(job.empty());
    std::ifstream in(job, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), std::string("\x1b@\0Jansen", 9));

    writeDirectDesign("R", "ZPL", "refuser", "Line1=<\"x\">\n");
    EXPECT_FALSE(print("R", error));
    EXPECT_EQ(error, "Print Error on refuser");
}

// The shipped samples: the ZPL command file and the two Direct designs,
// filled from their label files.
TEST_F(DirectPrint, ExampleDesignsPrintTheirLabelFiles) {
    const fs::path examples = fs::path(QUILL_SOURCE_DIR) / "examples";
    for (const char* file : {"Printers.INI", "ZEBRA_ZPL.INI"})
        fs::copy_file(examples / "direct" / file, world.programFolder() + file);
    struct Sample {
        TMode mode;
        const char* labelFile;
        const char* expected;
    };
    const Sample samples[] = {
        {TMode::Direct, "Direct/DIR20240611-0001.lbl",
         "^XA^PW799^LL400\r\n^FO40,30^A0N,40,40^FDHotel Zeezicht^FS\r\n^FO40,90^A0N,40,40^FDJ. de Vries^FS\r\n"
         "^FO40,150^A0N,28,28^FDLocker 00042  Size L^FS\r\n^FO40,210^BY2^BCN,100,Y,N,N^FD303402123456^FS\r\n^XZ\r\n"},
        {TMode::DirectORS, "DirORS/ORS20240611.lab",
         "^XA^PW799^LL400\r\n^FO40,30^A0N,40,40^FDAmstel Hospital^FS\r\n"
         "^FO40,90^A0N,28,28^FDBasic surgical set  x  2^FS\r\n^FO40,150^A0N,28,28^FDCharge C4711  Exp 2024-12-11^FS\r\n"
         "^FO40,210^BY2^BCN,100,Y,N,N^FD00012345^FS\r\n^XZ\r\n"},
    };
    EXPECT_EQ(ReadPrinters().PrinterDefault, "ZEBRA_ZPL");
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.labelFile);
        // amount, design, design number, then the values (no ORS compaction: variant "P2")
        std::ifstream in(examples / "labelfiles" / sample.labelFile, std::ios::binary);
        std::string line;
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> tokens;
        std::stringstream split(line);
        for (std::string token; std::getline(split, token, ',');) tokens.push_back(token);
        ASSERT_GE(tokens.size(), 4u);
        const std::string design = tokens[1] + "0" + tokens[2];
        std::map<int, std::string> values;
        for (std::size_t i = 3; i < tokens.size(); ++i) values[static_cast<int>(i - 3)] = tokens[i];
        const fs::path designFile =
            examples / "direct/designs" / ModeInfo(sample.mode).FolderName / (design + ".lbl");
        fs::copy_file(designFile, designFolder() + design + ".lbl");

        const TLabelRecord record = makeRecord(sample.mode, design, 1, values);
        std::string port, error;
        ASSERT_TRUE(PrintDirectTask(cache_, std::span(&record, 1), port, error)) << error;
        // the samples write to a file beside the design, so a demo run shows the bytes
        EXPECT_EQ(port, "direct-output.prn");
        std::ifstream written(designFolder() + "direct-output.prn", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), sample.expected);
    }
}

}  // namespace
}  // namespace quill::test
