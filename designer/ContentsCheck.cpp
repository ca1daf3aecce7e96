#include "designer/ContentsCheck.h"

#include "labelrender/Contents.h"
#include "labelrender/Design.h"
#include "labelrender/Variables.h"

namespace quill::designer {

QString ContentsProblems::Message() const {
    if (!malformed.isEmpty()) return QStringLiteral("Bad field-expression: ") + malformed;
    if (!undefined.isEmpty()) return QStringLiteral("Unknown variable in design: ") + undefined.join(QStringLiteral(", "));
    return {};
}

ContentsProblems CheckContents(const QString& contents, const labelrender::VariableSet& defined) {
    ContentsProblems problems;
    std::string error;
    const auto parsed = labelrender::ContentTemplate::Parse(contents.toStdString(), &error);
    if (!parsed) {
        problems.malformed = QString::fromStdString(error);
        return problems;
    }
    for (const std::string& name : parsed->VariableNames())
        if (!defined.Contains(name)) problems.undefined << QString::fromStdString(name);
    problems.undefined.removeDuplicates();
    return problems;
}

std::vector<ObjectContentsProblem> CheckDesignContents(const labelrender::Design& design,
                                                       const labelrender::VariableSet& defined) {
    std::vector<ObjectContentsProblem> problems;
    for (const labelrender::DesignObject& object : design.objects) {
        const labelrender::ContentTemplate* contents = object.Contents();
        if (!contents) continue;
        const ContentsProblems found = CheckContents(QString::fromStdString(contents->Source()), defined);
        if (!found.ok()) problems.push_back({QString::fromStdString(object.name), found.Message()});
    }
    return problems;
}

int OpenVariableStart(const QString& contents, int cursor) {
    int open = -1;
    for (int i = 0; i < cursor && i < contents.size(); ++i) {
        const QChar c = contents[i];
        if (open < 0 && (c == '{' || c == '}') && i + 1 < cursor && contents[i + 1] == c) {
            ++i;   // "{{" or "}}": a literal brace
        } else if (c == '{') {
            open = i + 1;
        } else if (c == '}') {
            open = -1;
        }
    }
    return open;
}

}  // namespace quill::designer
