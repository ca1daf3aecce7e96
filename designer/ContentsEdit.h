#pragma once
// The contents of a text or symbol object: literal text mixed with
// variables in braces ("Locker {Locker} - {WearerName}"). Typing "{" (or
// Ctrl+Space) offers the program's variables, matched anywhere in their
// names; a variable the program does not define, or broken braces, turn
// the field red and are reported at once.
#include <QLineEdit>

#include "designer/ContentsCheck.h"
#include "labelrender/Variables.h"

class QCompleter;
class QStringListModel;

namespace quill::designer {

class TContentsEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TContentsEdit(QWidget* parent = nullptr);

    void SetVariables(const labelrender::VariableSet& variables);
    // "{name}" at the cursor.
    void InsertVariable(const QString& name);

    const ContentsProblems& Problems() const { return problems_; }
    QCompleter* Completer() const { return completer_; }

signals:
    // After every change of the text or of the defined variables; an empty
    // message when the contents are fine.
    void ProblemsChanged(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Check();
    void OfferCompletion();
    void Complete(const QString& name);

    labelrender::VariableSet variables_;
    QStringListModel* names_;
    QCompleter* completer_;
    ContentsProblems problems_;
};

}  // namespace quill::designer
