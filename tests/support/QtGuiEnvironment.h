#pragma once
// Rendering needs fonts, which Qt hands out only inside a QGuiApplication,
// and the engine's timers need its event loop. Each test program that
// renders registers this environment once:
//   QUILL_TEST_GUI_APPLICATION("printing_tests");
// Widget tests use the same environment with a QApplication
// (support/WidgetTestSupport.h).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string>

namespace quill::test {

template <typename Application>
class QtApplicationEnvironment : public ::testing::Environment {
public:
    explicit QtApplicationEnvironment(std::string name) : name_(std::move(name)) {}
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);  // ctest sets it; a run by hand may not
        Prepare();
        argv_[0] = name_.data();
        if (!QCoreApplication::instance()) app_ = std::make_unique<Application>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

protected:
    // What the process needs before the application exists.
    virtual void Prepare() {}

private:
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<Application> app_;
};

using QtGuiEnvironment = QtApplicationEnvironment<QGuiApplication>;

}  // namespace quill::test

#define QUILL_TEST_GUI_APPLICATION(name)                        \
    [[maybe_unused]] static const auto* const QuillGuiEnvironment = \
        ::testing::AddGlobalTestEnvironment(new ::quill::test::QtGuiEnvironment(name))  // gtest owns it
