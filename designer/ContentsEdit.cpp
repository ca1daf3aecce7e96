#include "designer/ContentsEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>

namespace quill::designer {

TContentsEdit::TContentsEdit(QWidget* parent)
    : QLineEdit(parent), names_(new QStringListModel(this)), completer_(new QCompleter(names_, this)) {
    completer_->setWidget(this);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &TContentsEdit::Complete);
    connect(this, &QLineEdit::textChanged, this, &TContentsEdit::Check);
    connect(this, &QLineEdit::textEdited, this, &TContentsEdit::OfferCompletion);
    setPlaceholderText(tr("Text and {variables}"));
}

void TContentsEdit::SetVariables(const labelrender::VariableSet& variables) {
    variables_ = variables;
    QStringList names;
    for (const auto& entry : variables.All()) names << QString::fromStdString(entry.first);
    names_->setStringList(names);
    Check();
}

void TContentsEdit::InsertVariable(const QString& name) { insert('{' + name + '}'); }

void TContentsEdit::Check() {
    problems_ = CheckContents(text(), variables_);
    const QString message = problems_.Message();
    setToolTip(message);
    if (message.isEmpty()) {
        setPalette(QPalette());   // the inherited colours again
    } else {
        // the palette's own base, tinted red, so that dark themes stay dark
        QPalette colours = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
        const QColor base = colours.color(QPalette::Base);
        colours.setColor(QPalette::Base, QColor::fromRgbF(std::min(1.0f, base.redF() * 0.5f + 0.5f),
                                                          base.greenF() * 0.75f, base.blueF() * 0.75f));
        setPalette(colours);
    }
    emit ProblemsChanged(message);
}

void TContentsEdit::OfferCompletion() {
    const int start = OpenVariableStart(text(), cursorPosition());
    if (start < 0) {
        completer_->popup()->hide();
        return;
    }
    completer_->setCompletionPrefix(text().mid(start, cursorPosition() - start));
    if (completer_->completionCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    completer_->complete();
    // Enter takes the best match at once
    completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void TContentsEdit::Complete(const QString& name) {
    const int start = OpenVariableStart(text(), cursorPosition());
    if (start < 0) return;
    QString contents = text();
    int end = cursorPosition();
    // a name already typed on after the cursor is replaced too
    while (end < contents.size() && contents[end] != '}' && contents[end] != '{') ++end;
    const bool closed = end < contents.size() && contents[end] == '}';
    contents.replace(start, end - start, closed ? name : name + '}');
    setText(contents);
    setCursorPosition(start + name.size() + 1);
}

void TContentsEdit::keyPressEvent(QKeyEvent* event) {
    if (completer_->popup()->isVisible()) {
        switch (event->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Tab:
        case Qt::Key_Escape:
            // the popup answers these
            event->ignore();
            return;
        default: break;
        }
    }
    if (event->key() == Qt::Key_Space && event->modifiers() & Qt::ControlModifier) {
        if (OpenVariableStart(text(), cursorPosition()) < 0) insert(QStringLiteral("{"));
        OfferCompletion();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace quill::designer
