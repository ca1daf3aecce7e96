#include "PrintAppWorld.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cstdlib>
#include <filesystem>

#include "labelrender/WindowHooks.h"
#include "platform/IniFile.h"
#include "print_app/FDlgDesignName.h"
#include "print_app/FDlgMultiFolderDesignsCopy.h"

QUILL_TEST_WIDGET_APPLICATION("print_app_tests");

namespace quill::test {

namespace fs = std::filesystem;

void PrintAppTest::SetUp() {
    setenv("CUPS_SERVER", world.path("no-cups/cups.sock").c_str(), 1);
    QApplication::setApplicationName("QuillPrint");
    Folders.AppTitle = "QuillPrint";
}

void PrintAppTest::TearDown() {
    if (window) window->close();
    window.reset();
    labelrender::InstallDesignerWindow({});
}

TfrmSideMenuPrint& PrintAppTest::start(const std::string& ini) {
    world.writeFile("prog/QUILL.INI", ini);
    window = std::make_unique<TfrmSideMenuPrint>();
    window->show();
    settle();
    return *window;
}

void PrintAppTest::settle() {
    for (int i = 0; i < 3; ++i) QTest::qWait(20);
}

void PrintAppTest::putDesign(const std::string& folder, const std::string& name, bool printerSettings,
                             const std::string& description) const {
    const fs::path examples = fs::path(QUILL_SOURCE_DIR) / "examples/designs/User";
    const std::string base = world.path(folder + "/" + name);
    fs::create_directories(world.path(folder));
    fs::copy_file(examples / "Address.lbl", base + ".lbl", fs::copy_options::overwrite_existing);
    platform::IniFile(base + ".lbl").WriteString("Description", "Text", description);
    if (printerSettings)
        fs::copy_file(examples / "Address.lbp", base + ".lbp", fs::copy_options::overwrite_existing);
}

bool PrintAppTest::exists(const std::string& relative) const { return fs::exists(world.path(relative)); }

std::string PrintAppTest::description(const std::string& relative) const {
    return platform::IniFile(world.path(relative)).ReadString("Description", "Text", "");
}

std::vector<std::string> PrintAppTest::rows(TfrmBaseSelectDesign& list) {
    std::vector<std::string> names;
    TDesignListModel& model = list.Model();
    for (int top = 0; top < model.rowCount(); ++top) {
        const QModelIndex index = model.index(top, 0);
        const TDesignRow& row = *model.Row(index);
        names.push_back(row.IsFolder ? "[" + row.Design + "]" : row.Design);
        for (int child = 0; child < model.rowCount(index); ++child)
            names.push_back(model.Row(model.index(child, 0, index))->Design);
    }
    return names;
}

void PrintAppTest::focus(TfrmBaseSelectDesign& list, const std::string& name) {
    TDesignListModel& model = list.Model();
    const bool location = name.starts_with('[');
    const std::string wanted = location ? name.substr(1, name.size() - 2) : name;
    for (int top = 0; top < model.rowCount(); ++top) {
        const QModelIndex index = model.index(top, 0);
        std::vector<QModelIndex> candidates{index};
        for (int child = 0; child < model.rowCount(index); ++child) candidates.push_back(model.index(child, 0, index));
        for (const QModelIndex& candidate : candidates) {
            const TDesignRow& row = *model.Row(candidate);
            if (row.Design == wanted && row.IsFolder == location) {
                list.dxFileList()->setCurrentIndex(candidate.siblingAtColumn(int(TDesignColumn::Design)));
                return;
            }
        }
    }
    ADD_FAILURE() << "no row " << name;
}

Answer Input(const std::string& text) {
    return [text](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (!input || text.empty()) return modal->close(), void();
        input->setTextValue(QString::fromStdString(text));
        input->accept();
    };
}

Answer DesignName(const std::string& name, bool overwrite) {
    return [name, overwrite](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmDlgDesignName*>(modal);
        if (!dialog || name.empty()) return modal->close(), void();
        dialog->edtDesignName()->setText(QString::fromStdString(name));
        dialog->cboxPrinterSettingsOverwrite()->setChecked(overwrite);
        dialog->btnOK()->click();
    };
}

Answer Button(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(button))
            box->button(button)->click();
        else
            modal->close();
    };
}

Answer Locations(std::vector<int> rows) {
    return [rows](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmDlgMultiFolderDesignsCopy*>(modal);
        if (!dialog) return modal->close(), void();
        QTreeView* grid = dialog->dxTreeList();
        grid->clearSelection();
        for (int row : rows)
            grid->selectionModel()->select(grid->model()->index(row, 1),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        dialog->accept();
    };
}

std::shared_ptr<std::vector<ModalSeen>> AnswerInOrder(std::vector<Answer> answers) {
    auto seen = std::make_shared<std::vector<ModalSeen>>();
    auto* poll = new QTimer;
    poll->setInterval(10);
    // A dialog asked again is the same window: it must have closed between two answers.
    auto answered = std::make_shared<QPointer<QWidget>>();
    QObject::connect(poll, &QTimer::timeout, [poll, seen, answers, answered] {
        if (*answered && (*answered)->isVisible()) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        ModalSeen shown{true, modal->windowTitle(), {}, QMessageBox::NoIcon};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown.text = box->text();
            shown.icon = box->icon();
        }
        seen->push_back(shown);
        *answered = modal;
        if (seen->size() == answers.size()) {
            poll->stop();
            poll->deleteLater();
        }
        answers[seen->size() - 1](modal);
    });
    poll->start();
    return seen;
}

}  // namespace quill::test
