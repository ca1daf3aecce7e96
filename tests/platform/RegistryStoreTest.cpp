#include "platform/RegistryStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <set>

#include "support/TestEnv.h"

namespace quill::platform {
namespace {

const std::string kQuill = "SOFTWARE\\Vek\\Quill";

class RegistryStoreTest : public test::TempWorldTest {
protected:
    std::string storePath() const { return world.path("reg/registry.db"); }
};

TEST_F(RegistryStoreTest, ValuesOfEachTypeSurviveReopening) {
    const std::string binary("\x00\x01\xff" "abc", 6);
    {
        RegistryStore store(storePath());
        store.WriteString(kQuill, "TempLocation", "/tmp/quill/");
        store.WriteDWord(kQuill, "Maxlabels", 0xFFFFFFFFu);
        store.WriteBinary(kQuill, "Blob", binary);
        store.WriteString(kQuill, "Empty", "");
    }
    RegistryStore store(storePath());
    const auto text = store.ReadValue(kQuill, "TempLocation");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, RegType::String);
    EXPECT_EQ(text->text, "/tmp/quill/");
    const auto dword = store.ReadValue(kQuill, "Maxlabels");
    ASSERT_TRUE(dword);
    EXPECT_EQ(dword->type, RegType::DWord);
    EXPECT_EQ(dword->dword, 0xFFFFFFFFu);
    const auto blob = store.ReadValue(kQuill, "Blob");
    ASSERT_TRUE(blob);
    EXPECT_EQ(blob->type, RegType::Binary);
    EXPECT_EQ(blob->text, binary);
    const auto empty = store.ReadValue(kQuill, "Empty");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->text, "");
    EXPECT_FALSE(store.ReadValue(kQuill, "Missing"));
    EXPECT_FALSE(store.ReadValue(kQuill + "\\NoSuchKey", "Maxlabels"));
}

TEST_F(RegistryStoreTest, OverwriteChangesTypeAndKeepsOneValue) {
    RegistryStore store(storePath());
    store.WriteString(kQuill, "Maxlabels", "5");
    store.WriteDWord(kQuill, "MAXLABELS", 7);
    const auto value = store.ReadValue(kQuill, "maxlabels");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, RegType::DWord);
    EXPECT_EQ(value->dword, 7u);
    const auto all = store.ListValues(kQuill);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].name, "Maxlabels");   // first spelling kept, as in the registry
}

TEST_F(RegistryStoreTest, KeysAndNamesIgnoreCaseAndStrayBackslashes) {
    RegistryStore store(storePath());
    store.WriteString("SOFTWARE\\Vek\\Quill\\CORVANE2", "Name", "second");
    EXPECT_TRUE(store.KeyExists("software\\vek\\quill\\corvane2"));
    EXPECT_TRUE(store.KeyExists("\\Software\\VEK\\Quill\\"));
    const auto value = store.ReadValue("software\\VEK\\quill\\Corvane2", "NAME");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, "second");
    // a sibling whose name merely starts the same is another key
    EXPECT_FALSE(store.KeyExists("SOFTWARE\\Vek\\Quill\\CORVANE"));
    EXPECT_EQ(store.ListKeys("software"),
              (std::vector<std::string>{"SOFTWARE", "SOFTWARE\\Vek", "SOFTWARE\\Vek\\Quill",
                                        "SOFTWARE\\Vek\\Quill\\CORVANE2"}));
}

TEST_F(RegistryStoreTest, CreateKeyCreatesParents) {
    RegistryStore store(storePath());
    EXPECT_FALSE(store.KeyExists(kQuill));
    store.CreateKey(kQuill + "\\Shift1");
    EXPECT_TRUE(store.KeyExists("SOFTWARE"));
    EXPECT_TRUE(store.KeyExists("SOFTWARE\\Vek"));
    EXPECT_TRUE(store.KeyExists(kQuill + "\\Shift1"));
    EXPECT_TRUE(store.ListValues(kQuill + "\\Shift1").empty());
}

TEST_F(RegistryStoreTest, DeleteKeyRemovesSubkeysAndValuesButNotNeighbours) {
    RegistryStore store(storePath());
    store.WriteString(kQuill, "Separator", ",");
    store.WriteString(kQuill + "\\CORVANE", "FileLocation", "a");
    store.WriteString(kQuill + "\\CORVANE\\Deep\\Deeper", "X", "b");
    store.WriteString(kQuill + "\\CORVANE2", "Name", "neighbour");
    store.WriteString(kQuill + "\\CORVANE_", "Name", "neighbour");

    EXPECT_TRUE(store.DeleteKey("software\\vek\\quill\\corvane"));
    EXPECT_FALSE(store.KeyExists(kQuill + "\\CORVANE"));
    EXPECT_FALSE(store.KeyExists(kQuill + "\\CORVANE\\Deep\\Deeper"));
    EXPECT_FALSE(store.ReadValue(kQuill + "\\CORVANE\\Deep\\Deeper", "X"));
    EXPECT_TRUE(store.ReadValue(kQuill + "\\CORVANE2", "Name"));
    EXPECT_TRUE(store.ReadValue(kQuill + "\\CORVANE_", "Name"));
    EXPECT_TRUE(store.ReadValue(kQuill, "Separator"));

    // a recreated key does not bring old values back
    store.CreateKey(kQuill + "\\CORVANE\\Deep\\Deeper");
    EXPECT_FALSE(store.ReadValue(kQuill + "\\CORVANE\\Deep\\Deeper", "X"));
    EXPECT_FALSE(store.DeleteKey(kQuill + "\\Missing"));
}

TEST_F(RegistryStoreTest, DeleteValue) {
    RegistryStore store(storePath());
    store.WriteDWord(kQuill, "Debug", 1);
    EXPECT_TRUE(store.DeleteValue(kQuill, "DEBUG"));
    EXPECT_FALSE(store.DeleteValue(kQuill, "Debug"));
    EXPECT_FALSE(store.ReadValue(kQuill, "Debug"));
    EXPECT_TRUE(store.KeyExists(kQuill));
}

TEST_F(RegistryStoreTest, OtherTypesAreReadAsTheyWereStored) {
    RegistryStore store(storePath());
    store.WriteBinary(kQuill, "Maxlabels", "\x05");
    const auto value = store.ReadValue(kQuill, "Maxlabels");
    ASSERT_TRUE(value);
    // callers treat anything but String and DWord as missing
    EXPECT_NE(value->type, RegType::String);
    EXPECT_NE(value->type, RegType::DWord);
}

TEST_F(RegistryStoreTest, CreatesFileAndFolders) {
    const std::string path = world.path("a/b/c/registry.db");
    RegistryStore store(path);
    store.CreateKey(kQuill);
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(store.path(), path);
}

TEST_F(RegistryStoreTest, UnopenableStoreThrows) {
    world.writeFile("plainfile", "x");
    world.writeFile("junk.db", std::string(8192, 'J'));
    mkdir(world.path("folder.db").c_str(), 0755);
    for (const std::string& path :
         {world.path("plainfile/sub/registry.db"), world.path("junk.db"), world.path("folder.db")}) {
        SCOPED_TRACE(path);
        try {
            RegistryStore store(path);
            ADD_FAILURE() << "opened";
        } catch (const RegistryError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}

TEST_F(RegistryStoreTest, DefaultPathFollowsEnvironment) {
    EXPECT_EQ(RegistryStore::DefaultPath(), world.path("registry.db"));   // set by the test world
    unsetenv("QUILL_REGISTRY");
    EXPECT_EQ(RegistryStore::DefaultPath(), world.path("data/registry.db")) << "in the data root";
    setenv("QUILL_REGISTRY", world.path("registry.db").c_str(), 1);
}

// Several processes write one store at once, as engine, print application
// and service do: every write lands, none fails, last writer wins.
TEST_F(RegistryStoreTest, ConcurrentProcessesLoseNoWrite) {
    constexpr int kChildren = 3;
    constexpr int kValuesEach = 300;
    const std::string path = storePath();
    RegistryStore(path).CreateKey(kQuill);   // created before, as in real use; no open handle crosses fork

    std::vector<pid_t> children;
    for (int child = 0; child < kChildren; ++child) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                RegistryStore store(path);
                for (int i = 0; i < kValuesEach; ++i) {
                    const std::string tag = std::to_string(child) + "-" + std::to_string(i);
                    store.WriteString(kQuill + "\\Child" + std::to_string(child), "V" + std::to_string(i), tag);
                    store.WriteString(kQuill, "LastBarcode", tag);
                    store.WriteDWord(kQuill, "Counter", static_cast<std::uint32_t>(i));
                    if (!store.ReadValue(kQuill, "LastBarcode")) status = 2;
                }
            } catch (...) {
                status = 1;
            }
            _exit(status);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "a child saw an error";
    }

    RegistryStore store(path);
    for (int child = 0; child < kChildren; ++child) {
        const auto values = store.ListValues(kQuill + "\\Child" + std::to_string(child));
        ASSERT_EQ(values.size(), static_cast<std::size_t>(kValuesEach));
        std::set<std::string> texts;
        for (const RegValue& v : values) texts.insert(v.text);
        for (int i = 0; i < kValuesEach; ++i)
            EXPECT_TRUE(texts.count(std::to_string(child) + "-" + std::to_string(i)));
    }
    const auto shared = store.ReadValue(kQuill, "LastBarcode");
    ASSERT_TRUE(shared);
    EXPECT_EQ(shared->text.substr(shared->text.find('-')), "-" + std::to_string(kValuesEach - 1));
    const auto counter = store.ReadValue(kQuill, "Counter");
    ASSERT_TRUE(counter);
    EXPECT_EQ(counter->dword, static_cast<std::uint32_t>(kValuesEach - 1));
}

}  // namespace
}  // namespace quill::platform
