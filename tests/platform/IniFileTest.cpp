#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TestEnv.h"

namespace quill::platform {
namespace {

class IniFileTest : public test::TempWorldTest {
protected:
    IniFile ini{world.path("QUILL.INI")};
    void write(const std::string& bytes) const { world.writeFile("QUILL.INI", bytes); }
    std::string contents() const { return world.readFile("QUILL.INI"); }
};

TEST_F(IniFileTest, ReadRules) {
    write("TopKey=before any section\r\n"
          "[Quill]\r\n"
          "; Separator=;\r\n"
          "  Separator  =  |  \r\n"
          "separator=second\r\n"
          "CheckDigit=\"MOD10\"\r\n"
          "Padded=\"  x  \"\r\n"
          "Half=\"open\r\n"
          "Inner=a\"b\"c\r\n"
          "Empty=\r\n"
          "no equals sign here\r\n"
          "[QUILL]\r\n"
          "LogMode=3\r\n"
          "[Other]\r\n"
          "Separator=other\r\n");
    EXPECT_EQ(ini.ReadString("quill", "SEPARATOR", "?"), "|");   // first match, blanks trimmed
    EXPECT_EQ(ini.ReadString("Quill", "CheckDigit", "?"), "MOD10");
    EXPECT_EQ(ini.ReadString("Quill", "Padded", "?"), "  x  ");
    EXPECT_EQ(ini.ReadString("Quill", "Half", "?"), "\"open");
    EXPECT_EQ(ini.ReadString("Quill", "Inner", "?"), "a\"b\"c");
    EXPECT_EQ(ini.Read("Quill", "Empty"), std::optional<std::string>(""));
    EXPECT_EQ(ini.ReadString("Other", "Separator", "?"), "other");
    // only the first section of a name counts
    EXPECT_EQ(ini.ReadInteger("Quill", "LogMode", 9), 9);
    EXPECT_FALSE(ini.Read("Quill", "TopKey"));
    EXPECT_FALSE(ini.Read("Quill", "; Separator"));
    EXPECT_FALSE(ini.Read("Quill", "no equals sign here"));
    EXPECT_FALSE(ini.Read("Missing", "Separator"));
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Quill", "Other"}));
    EXPECT_EQ(ini.ReadSectionKeys("QUILL"),
              (std::vector<std::string>{"Separator", "CheckDigit", "Padded", "Half", "Inner", "Empty"}));
    EXPECT_TRUE(ini.SectionExists("other"));
    EXPECT_FALSE(ini.SectionExists("Oth"));
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadString("Quill", "Separator", ","), ",");
    EXPECT_EQ(ini.ReadInteger("Quill", "Maxlabels", 1), 1);
    EXPECT_TRUE(ini.ReadSections().empty());
    // nothing to remove: no file is created for it
    EXPECT_TRUE(ini.DeleteKey("Quill", "Separator"));
    EXPECT_TRUE(ini.EraseSection("Quill"));
    EXPECT_FALSE(ini.Exists());
}

TEST_F(IniFileTest, ReadIntegerFormats) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"12", 12},         {"-5", -5},           {"+7", 7},          {"$1F", 31},
        {"0x1F", 31},       {"0X1f", 31},         {"-$10", -16},      {"$FFFFFFFF", -1},
        {"\"42\"", 42},     {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", -99}, {"-2147483649", -99}, {"$100000000", -99}, {"99999999999999999999999", -99},
        {"12abc", -99},     {"", -99},            {"$", -99},         {"0x", -99},
        {"--1", -99},       {"+-1", -99},         {"$-1", -99},       {"1 2", -99},
        {"1.5", -99},       {"true", -99},
    };
    std::string text = "[S]\n";
    for (std::size_t i = 0; i < cases.size(); ++i) text += "K" + std::to_string(i) + "=" + cases[i].first + "\n";
    write(text);
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(ini.ReadInteger("S", "K" + std::to_string(i), -99), cases[i].second) << cases[i].first;
}

TEST_F(IniFileTest, WriteChangesOnlyTheOneLine) {
    const std::string before =
        "; Quill settings, edited by hand\r\n"
        "\r\n"
        "[Quill]\r\n"
        "  LastBarcode = 00000001   ; old\r\n"
        "Separator=,\r\n"
        "\r\n"
        "# not a key\r\n"
        "[LEGACY]\r\n"
        "Visible=0\r\n";
    write(before);
    ASSERT_TRUE(ini.WriteString("QUILL", "lastbarcode", "00000042"));
    std::string expected = before;
    expected.replace(expected.find("00000001   ; old"), 16, "00000042");
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(ini.ReadString("Quill", "LastBarcode", "?"), "00000042");
}

TEST_F(IniFileTest, NewKeyGoesBelowTheSectionsLastEntry) {
    write("[Quill]\nSeparator=,\n\n; the legacy mode\n[LEGACY]\nVisible=1\n");
    ASSERT_TRUE(ini.WriteInteger("Quill", "LogMode", 3));
    ASSERT_TRUE(ini.WriteString("Empty", "Name", "x"));
    EXPECT_EQ(contents(),
              "[Quill]\nSeparator=,\nLogMode=3\n\n; the legacy mode\n[LEGACY]\nVisible=1\n[Empty]\nName=x\n");
}

TEST_F(IniFileTest, NewFileAndNewSectionUseWindowsLayout) {
    ASSERT_TRUE(ini.WriteString("Quill", "LastBarcode", "00000002"));
    EXPECT_EQ(contents(), "[Quill]\r\nLastBarcode=00000002\r\n");
    ASSERT_TRUE(ini.WriteString("CORVANE2", "Name", "Second"));
    EXPECT_EQ(contents(), "[Quill]\r\nLastBarcode=00000002\r\n[CORVANE2]\r\nName=Second\r\n");

    // a last line without a line end gets one before the new lines
    write("[A]\nx=1");
    ASSERT_TRUE(ini.WriteString("A", "y", "2"));
    EXPECT_EQ(contents(), "[A]\nx=1\ny=2\n");
    write("[A]");
    ASSERT_TRUE(ini.WriteString("A", "y", "2"));
    EXPECT_EQ(contents(), "[A]\r\ny=2\r\n");
}

TEST_F(IniFileTest, DuplicateKeysFirstIsReplacedSecondKept) {
    write("[S]\nk=1\nK=2\n");
    ASSERT_TRUE(ini.WriteString("s", "k", "3"));
    EXPECT_EQ(contents(), "[S]\nk=3\nK=2\n");
    ASSERT_TRUE(ini.DeleteKey("S", "K"));
    EXPECT_EQ(contents(), "[S]\nK=2\n");
    EXPECT_EQ(ini.ReadString("S", "k", "?"), "2");
}

TEST_F(IniFileTest, EraseSectionRemovesTheFirstSectionOfThatName) {
    write("[Keep]\na=1\n[CORVANE2]\nName=x\n; its comment\n[Keep2]\nb=2\n[corvane2]\nName=y\n");
    ASSERT_TRUE(ini.EraseSection("Corvane2"));
    EXPECT_EQ(contents(), "[Keep]\na=1\n[Keep2]\nb=2\n[corvane2]\nName=y\n");
    EXPECT_EQ(ini.ReadString("CORVANE2", "Name", "?"), "y");
}

// Files brought from Windows read as the Windows profile functions read them.
TEST_F(IniFileTest, ReadsAsWindowsDoes) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* key;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"single quotes", "[Quill]\r\nSeparator=';'\r\n", "Separator", ";"},
        {"lone single quote", "[Quill]\r\nSeparator='\r\n", "Separator", "'"},
        {"DOS end mark", "[Quill]\r\nCols=2\x1A", "Cols", "2"},
        {"vertical tab and form feed", "[Quill]\r\nCols=\v2\f\r\n", "Cols", "2"},
        {"header without ]", "[Quill]\r\n[Broken\r\nCols=3\r\n", "Cols", "3"},
        {"header with text after ]", "[Quill] old\r\nCols=4\r\n", "Cols", "4"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF[Quill]\r\nCols=5\r\n", "Cols", "5"},
        {"UTF-16 LE", std::string("\xFF\xFE[\0Q\0u\0i\0l\0l\0]\0\r\0\n\0C\0=\0\xE9\0\r\0\n\0", 30), "C", "\xC3\xA9"},
        {"UTF-16 BE", std::string("\xFE\xFF\0[\0Q\0u\0i\0l\0l\0]\0\n\0C\0=\0" "6", 24), "C", "6"},
    };
    for (const Case& c : cases) {
        write(c.bytes);
        EXPECT_EQ(ini.ReadString("Quill", c.key, "default"), c.expected) << c.what;
    }
    EXPECT_EQ(ini.ReadInteger("Quill", "C", 7), 6) << "a value that is an integer";
}

TEST_F(IniFileTest, UnicodeFileIsWrittenBackInItsEncoding) {
    const std::string utf16(std::string("\xFF\xFE[\0Q\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0", 22));
    write(utf16);
    ASSERT_TRUE(ini.WriteString("Q", "b", "1"));
    EXPECT_EQ(contents(), utf16 + std::string("b\0=\0" "1\0\r\0\n\0", 10));
    EXPECT_EQ(ini.ReadString("Q", "a", "?"), "\xC3\xA9");
}

TEST_F(IniFileTest, ReadOnlyFileIsNeverWritten) {
    const std::string before = "[Quill]\r\nLogMode=1\r\n[CORVANE2]\r\nName=x\r\n";
    write(before);
    ASSERT_EQ(chmod(ini.path().c_str(), 0444), 0);
    EXPECT_EQ(ini.ReadInteger("Quill", "LogMode", 0), 1);
    EXPECT_FALSE(ini.WriteString("Quill", "LogMode", "3"));
    EXPECT_FALSE(ini.WriteInteger("New", "Key", 1));
    EXPECT_FALSE(ini.DeleteKey("Quill", "LogMode"));
    EXPECT_FALSE(ini.EraseSection("CORVANE2"));
    EXPECT_EQ(contents(), before);
}

TEST_F(IniFileTest, RewriteKeepsPermissionsAndLeavesNoTemporaryFile) {
    write("[Quill]\nLogMode=1\n");
    ASSERT_EQ(chmod(ini.path().c_str(), 0640), 0);
    ASSERT_TRUE(ini.WriteInteger("Quill", "LogMode", 2));
    struct stat st {};
    ASSERT_EQ(stat(ini.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(world.root())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"QUILL.INI", "prog"}));
}

TEST_F(IniFileTest, WriteIntoMissingFolderFails) {
    IniFile nowhere(world.path("no/such/folder/QUILL.INI"));
    EXPECT_FALSE(nowhere.WriteString("Quill", "LogMode", "1"));
    EXPECT_FALSE(nowhere.Exists());
}

TEST_F(IniFileTest, BomAndLineEndsAreToleratedAndKept) {
    const std::string bom = "\xEF\xBB\xBF";
    write(bom + "[Quill]\r\nA=1\rB=2\nC=3\r\n");
    EXPECT_EQ(ini.ReadInteger("Quill", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Quill", "B", 0), 2);
    EXPECT_EQ(ini.ReadInteger("Quill", "C", 0), 3);
    ASSERT_TRUE(ini.WriteString("Quill", "B", "20"));
    ASSERT_TRUE(ini.WriteString("Quill", "D", "4"));
    // new lines take the style of the file's first line end
    EXPECT_EQ(contents(), bom + "[Quill]\r\nA=1\rB=20\nC=3\r\nD=4\r\n");
}

TEST_F(IniFileTest, HostileContentNeverBreaksReadsOrWrites) {
    const std::string longLine(1 << 20, 'x');
    const std::string junk("\x00\xff\xfe[\x00=\x01\x02\x7f", 9);
    const std::string before = "[Quill]\n" + longLine + "\n" + junk + "\n" + "Long=" + longLine + "\n" +
                               std::string("Nul=a\0b\n", 8) + "[\n]\n=no key\n[" + longLine + "\n";
    write(before);
    EXPECT_EQ(ini.ReadString("Quill", "Long", "?"), longLine);
    EXPECT_EQ(ini.ReadString("Quill", "Nul", "?"), std::string("a\0b", 3));
    EXPECT_EQ(ini.ReadString("Quill", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("Quill", "Long", 5), 5);
    EXPECT_EQ(ini.ReadSections().size(), 1u);   // lines without their "]" are no headers

    ASSERT_TRUE(ini.WriteString("Quill", "Nul", "clean"));
    std::string expected = before;
    expected.replace(expected.find(std::string("a\0b", 3)), 3, "clean");
    EXPECT_EQ(contents(), expected);

    write(junk + junk);
    EXPECT_EQ(ini.ReadString("Quill", "x", "def"), "def");
    ASSERT_TRUE(ini.WriteString("Quill", "x", "1"));
    EXPECT_EQ(contents(), junk + junk + "\r\n[Quill]\r\nx=1\r\n");
}

TEST_F(IniFileTest, FolderInPlaceOfFileGivesDefaults) {
    std::filesystem::create_directory(ini.path());
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadString("Quill", "Separator", ","), ",");
    EXPECT_FALSE(ini.WriteString("Quill", "Separator", ";"));
}

TEST_F(IniFileTest, OtherWritersChangesAreSeenAtOnce) {
    write("[Quill]\nLogMode=1\n");
    EXPECT_EQ(ini.ReadInteger("Quill", "LogMode", 0), 1);
    IniFile(ini.path()).WriteInteger("Quill", "LogMode", 2);
    EXPECT_EQ(ini.ReadInteger("Quill", "LogMode", 0), 2);
    std::filesystem::remove(ini.path());
    EXPECT_EQ(ini.ReadInteger("Quill", "LogMode", 0), 0);
}

}  // namespace
}  // namespace quill::platform
