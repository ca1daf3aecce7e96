// The variables pane and the contents editor over the variables a real
// label job holds once the program has defined a mode's design variables.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QFont>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "PanelScreenshots.h"
#include "core/Vocabularies.h"
#include "designer/ContentsEdit.h"
#include "designer/VariableListModel.h"
#include "designer/VariablesPane.h"
#include "labelrender/Design.h"
#include "labelrender/Variables.h"
#include "printing/PrintJob.h"
#include "support/WidgetTestSupport.h"

namespace quill::designer {
namespace {

using labelrender::VariableType;

class DesignVariables : public ::testing::Test {
protected:
    DesignVariables() { DefineDesignVariables(job_, TMode::Corvane, BuildVocabulary(TMode::Corvane)); }
    const labelrender::VariableSet& defined() const { return job_.DefinedVariables(); }
    labelrender::LabelJob job_;
};

struct ShownRow {
    QString type, sample;
};

ShownRow Row(const TVariablesPane& pane, const QString& name) {
    const QAbstractItemModel* model = pane.List()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, VariableListModel::NameColumn).data() == name)
            return {model->index(row, VariableListModel::TypeColumn).data().toString(),
                    model->index(row, VariableListModel::SampleColumn).data().toString()};
    return {};
}

TEST_F(DesignVariables, PaneListsEveryVariableOfTheModeAndFindsThemAsOneTypes) {
    TVariablesPane pane;
    pane.resize(460, 400);
    pane.SetVariables(defined());
    pane.show();
    ASSERT_EQ(pane.List()->model()->rowCount(), static_cast<int>(defined().All().size()));
    // the vocabulary, and the barcode, DataMatrix and SGTIN forms of the ID codes
    const struct {
        const char* name;
        const char* type;
        const char* sample;
    } expected[] = {
        {"WearerName", "Text", "WearerName"},
        {"BarcodeIDCode", "Barcode", "00005814"},
        {"DataMatrixSecondaryIDCode", "DataMatrix", "00005814"},
        {"IDCodeSGTIN96", "Text", "12345.123.123456789"},
    };
    for (const auto& e : expected) {
        const ShownRow row = Row(pane, e.name);
        EXPECT_EQ(row.type, e.type) << e.name;
        EXPECT_EQ(row.sample, e.sample) << e.name;
    }

    // what the design uses stands out
    pane.SetUsedVariables({"bARCODEidcODE"});
    const auto bold = [&](int row) { return pane.List()->model()->index(row, 0).data(Qt::FontRole).value<QFont>().bold(); };
    const QModelIndexList barcode = pane.List()->model()->match(pane.List()->model()->index(0, 0), Qt::DisplayRole,
                                                                "BarcodeIDCode", 1, Qt::MatchExactly);
    ASSERT_EQ(barcode.size(), 1);
    EXPECT_TRUE(bold(barcode[0].row()));
    EXPECT_FALSE(bold(barcode[0].row() + 1));

    QTest::keyClicks(pane.SearchEdit(), "datamatrix");
    ASSERT_EQ(pane.List()->model()->rowCount(), 2);
    EXPECT_EQ(pane.VariableAt(0).type, VariableType::DataMatrix);
    pane.SearchEdit()->clear();
    QTest::keyClicks(pane.SearchEdit(), "wearer");
    EXPECT_GE(pane.List()->model()->rowCount(), 5);
    for (int row = 0; row < pane.List()->model()->rowCount(); ++row)
        EXPECT_TRUE(pane.VariableAt(row).name.contains("wearer", Qt::CaseInsensitive));
    pane.SearchEdit()->setText("IDCode");
    EXPECT_TRUE(test::SavePanelScreenshot(pane, "designer-variables"));
}

TEST_F(DesignVariables, DraggedRowCarriesTheVariableAndItsType) {
    TVariablesPane pane;
    pane.SetVariables(defined());
    QTest::keyClicks(pane.SearchEdit(), "IDCode");
    EXPECT_EQ(pane.List()->dragDropMode(), QAbstractItemView::DragOnly);
    QAbstractItemModel* model = pane.List()->model();
    for (const VariableType type : {VariableType::Text, VariableType::Barcode, VariableType::DataMatrix}) {
        int row = 0;
        while (row < model->rowCount() && pane.VariableAt(row).type != type) ++row;
        ASSERT_LT(row, model->rowCount()) << VariableTypeName(type).toStdString();
        // what the view hands QDrag when the row is dragged
        const std::unique_ptr<QMimeData> data(model->mimeData({model->index(row, VariableListModel::SampleColumn)}));
        const std::optional<DraggedVariable> dragged = ReadVariableMimeData(data.get());
        ASSERT_TRUE(dragged);
        EXPECT_EQ(dragged->name, pane.VariableAt(row).name);
        EXPECT_EQ(dragged->type, type);
        EXPECT_EQ(data->text(), '{' + dragged->name + '}');
    }
    QMimeData foreign;
    foreign.setText("{WearerName}");
    EXPECT_FALSE(ReadVariableMimeData(&foreign));
}

TEST_F(DesignVariables, ContentsEditorCompletesNamesAndReportsUnknownOnes) {
    TContentsEdit edit;
    edit.SetVariables(defined());
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy problems(&edit, &TContentsEdit::ProblemsChanged);

    const auto complete = [&](const char* typed, const QString& choice) {
        QTest::keyClicks(&edit, typed);
        QAbstractItemView* popup = edit.Completer()->popup();
        ASSERT_TRUE(popup->isVisible()) << typed;
        const QModelIndexList found = popup->model()->match(popup->model()->index(0, 0), Qt::DisplayRole, choice, 1,
                                                             Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << choice.toStdString();
        popup->setCurrentIndex(found[0]);
        QTest::keyClick(popup, Qt::Key_Return);
    };
    QTest::keyClicks(&edit, "Locker {lock");
    QTest::keyClick(edit.Completer()->popup(), Qt::Key_Return);   // the first match
    EXPECT_EQ(edit.text(), "Locker {Locker}");
    complete(" - {name", "WearerName");   // found anywhere in the name
    EXPECT_EQ(edit.text(), "Locker {Locker} - {WearerName}");
    EXPECT_EQ(edit.cursorPosition(), edit.text().size());
    EXPECT_TRUE(edit.Problems().ok());
    EXPECT_EQ(problems.last().at(0).toString(), "");

    const struct {
        const char* contents;
        const char* message;
    } cases[] = {
        {"{locker} {{not a variable}}", ""},   // names in any case; braces doubled are text
        {"{Lockr} {Sizecode} {Lockr} {Nope}", "Unknown variable in design: Lockr, Nope"},
        {"Locker {Locker", "Bad field-expression: "},
        {"", ""},
    };
    for (const auto& c : cases) {
        edit.setText(c.contents);
        const QString message = problems.last().at(0).toString();
        EXPECT_EQ(message.left(qstrlen(c.message)), c.message) << c.contents;
        EXPECT_EQ(edit.Problems().Message().isEmpty(), QString(c.message).isEmpty()) << c.contents;
        EXPECT_EQ(edit.toolTip(), edit.Problems().Message());
    }
    // the same check over a whole design, object by object
    labelrender::Design design;
    for (const char* contents : {"{Locker}", "{Nope} {WearerName}"}) {
        labelrender::TextObject text;
        text.contents = *labelrender::ContentTemplate::Parse(contents);
        design.objects.push_back({"Object" + std::to_string(design.objects.size() + 1), {}, {}, {}, {}, 0, text});
    }
    const auto objects = CheckDesignContents(design, defined());
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].object, "Object2");
    EXPECT_EQ(objects[0].message, "Unknown variable in design: Nope");

    // the field turns red while something is wrong
    const QColor fine = edit.palette().color(QPalette::Base);
    edit.setText("{Nope}");
    EXPECT_NE(edit.palette().color(QPalette::Base), fine);
    edit.setText("{Locker}");
    EXPECT_EQ(edit.palette().color(QPalette::Base), fine);
}

}  // namespace
}  // namespace quill::designer
