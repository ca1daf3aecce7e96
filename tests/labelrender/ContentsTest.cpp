#include "labelrender/Contents.h"

#include <gtest/gtest.h>

#include <map>

namespace quill::labelrender {
namespace {

std::string ExpandWith(const std::string& source, const std::map<std::string, std::string>& values) {
    const auto parsed = ContentTemplate::Parse(source);
    EXPECT_TRUE(parsed) << source;
    if (!parsed) return {};
    return parsed->Expand([&](const std::string& name) {
        const auto it = values.find(name);
        return it == values.end() ? "<" + name + ">" : it->second;
    });
}

TEST(ContentsTest, LiteralsAndVariablesExpandInOrder) {
    EXPECT_EQ(ExpandWith("Locker {Locker} - {WearerName}", {{"Locker", "12"}, {"WearerName", "Jan"}}),
              "Locker 12 - Jan");
    EXPECT_EQ(ExpandWith("{Row.01.Type}{Header.BarcodeIDCode}", {{"Row.01.Type", "A"}, {"Header.BarcodeIDCode", "7"}}),
              "A7");
    EXPECT_EQ(ExpandWith("", {}), "");
    EXPECT_EQ(ExpandWith("no variables", {}), "no variables");
}

TEST(ContentsTest, DoubledBracesAreLiteralBraces) {
    EXPECT_EQ(ExpandWith("{{Locker}} is {Locker}", {{"Locker", "5"}}), "{Locker} is 5");
    EXPECT_EQ(ExpandWith("}}{{", {}), "}{");
    const auto parsed = ContentTemplate::Parse("{{{A}}}");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->VariableNames(), std::vector<std::string>{"A"});
}

TEST(ContentsTest, SourceGivesBackWhatParses) {
    for (const char* source : {"Locker {Locker} - {WearerName}", "{{x}} {{", "}} {A.b-c_d}", "plain"}) {
        const auto parsed = ContentTemplate::Parse(source);
        ASSERT_TRUE(parsed) << source;
        EXPECT_EQ(parsed->Source(), source);
    }
}

TEST(ContentsTest, MalformedContentsAreRefusedWithTheReason) {
    struct Case {
        const char* source;
        const char* reason;
    };
    for (const Case& c : {Case{"Locker {Locker", "unclosed"}, Case{"{}", "bad variable name"},
                          Case{"a } b", "without"}, Case{"{Wearer Name}", "bad variable name"},
                          Case{"{a{b}", "bad variable name"}, Case{"{", "unclosed"}}) {
        std::string why;
        EXPECT_FALSE(ContentTemplate::Parse(c.source, &why)) << c.source;
        EXPECT_NE(why.find(c.reason), std::string::npos) << c.source << ": " << why;
    }
}

}  // namespace
}  // namespace quill::labelrender
