#pragma once
// A private world per test: a fresh temporary folder that holds the data
// root, the registry store, the PDF folder and the program folder (prog/,
// with Log/ beside it), and is the current directory while the test runs. Nothing touches the machine's
// real data.
#include <gtest/gtest.h>

#include <string>

namespace quill::test {

class TempWorld {
public:
    TempWorld();
    ~TempWorld();
    TempWorld(const TempWorld&) = delete;
    TempWorld& operator=(const TempWorld&) = delete;

    const std::string& root() const { return root_; }   // trailing '/'
    std::string path(const std::string& relative) const { return root_ + relative; }
    std::string programFolder() const { return root_ + "prog/"; }

    void writeFile(const std::string& relative, const std::string& bytes) const;
    std::string readFile(const std::string& relative) const;

private:
    std::string root_;
    std::string oldCwd_;
};

// Fixture form: each test gets its own TempWorld as `world`.
class TempWorldTest : public ::testing::Test {
protected:
    TempWorld world;
};

// Runs a shell command; returns its exit status.
int RunCommand(const std::string& command);

}  // namespace quill::test
