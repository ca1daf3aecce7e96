#pragma once
// What is wrong with an object's contents before the design is saved: the
// braces (malformed contents would refuse the design with -23) and the
// variables the program does not define (-35 at print time).
#include <QString>
#include <QStringList>

#include <vector>

namespace quill::labelrender {
struct Design;
class VariableSet;
}

namespace quill::designer {

struct ContentsProblems {
    QString malformed;       // the parser's reason; empty when well-formed
    QStringList undefined;   // as written, each once, in order of use

    bool ok() const { return malformed.isEmpty() && undefined.isEmpty(); }
    // "Bad field-expression: ..." or "Unknown variable in design: A, B";
    // empty when ok.
    QString Message() const;
};

ContentsProblems CheckContents(const QString& contents, const labelrender::VariableSet& defined);

// Every object of the design whose contents use variables the program does
// not define: the object's section ("Object3") and the message.
struct ObjectContentsProblem {
    QString object;
    QString message;
};
std::vector<ObjectContentsProblem> CheckDesignContents(const labelrender::Design& design,
                                                       const labelrender::VariableSet& defined);

// Where the variable name being typed at `cursor` starts (just after its
// "{"), or -1 when the cursor is not inside an open variable.
int OpenVariableStart(const QString& contents, int cursor);

}  // namespace quill::designer
