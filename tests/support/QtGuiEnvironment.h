#pragma once
// Rendering needs fonts, which Qt hands out only inside a QGuiApplication,
// and the engine's timers need its event loop. Each test program that
// renders registers this environment once:
//   QUILL_TEST_GUI_APPLICATION("printing_tests");
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>
#include <string>

namespace quill::test {

class QtGuiEnvironment : public ::testing::Environment {
public:
    explicit QtGuiEnvironment(std::string name) : name_(std::move(name)) {}
    void SetUp() override;
    void TearDown() override { app_.reset(); }

private:
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace quill::test

#define QUILL_TEST_GUI_APPLICATION(name)                        \
    [[maybe_unused]] static const auto* const QuillGuiEnvironment = \
        ::testing::AddGlobalTestEnvironment(new ::quill::test::QtGuiEnvironment(name))  // gtest owns it
