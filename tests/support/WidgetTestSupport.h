#pragma once
// Widget tests: a QApplication for the whole test program, and answering
// the modal windows (message boxes, dialogs) a tested action opens.
//   QUILL_TEST_WIDGET_APPLICATION("ui_tests");
#include <gtest/gtest.h>

#include "support/QtGuiEnvironment.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quill::test {

// Widget tests also need a private runtime folder, which Qt asks for.
class QtWidgetsEnvironment : public QtApplicationEnvironment<QApplication> {
public:
    using QtApplicationEnvironment::QtApplicationEnvironment;

protected:
    void Prepare() override;
};

// What a modal window showed, once it was answered.
struct ModalSeen {
    bool shown = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Waits (from the event loop the modal window runs) for the next modal
// window and hands it to `answer`, which must close it. Returns what the
// window showed; call before the action that opens it.
std::shared_ptr<ModalSeen> AnswerNextModal(std::function<void(QWidget*)> answer);
// The same for a message box answered with `button`.
std::shared_ptr<ModalSeen> AnswerNextMessageBox(QMessageBox::StandardButton button);

}  // namespace quill::test

#define QUILL_TEST_WIDGET_APPLICATION(name)                            \
    [[maybe_unused]] static const auto* const QuillWidgetEnvironment = \
        ::testing::AddGlobalTestEnvironment(new ::quill::test::QtWidgetsEnvironment(name))  // gtest owns it
