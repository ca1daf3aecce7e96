#pragma once
// The undo steps of the designer. Each keeps only what it changed: the
// objects before and after, never a copy of the whole design.
#include <QUndoCommand>
#include <vector>

#include "designer/DesignDocument.h"

namespace quill::designer {

class DocumentCommand : public QUndoCommand {
public:
    DocumentCommand(DesignDocument& document, const QString& text) : QUndoCommand(text), document_(document) {}

protected:
    labelrender::Design& design() { return document_.mutableDesign(); }
    void Select(std::vector<int> indices) { document_.Select(std::move(indices)); }
    void Changed() { document_.Changed(); }
    DesignDocument& document_;
};

// Changes objects in place; repeated edits with one merge key fold into one step.
class EditObjectsCommand : public DocumentCommand {
public:
    EditObjectsCommand(DesignDocument& document, const QString& text, int mergeKey, int gesture, std::vector<int> indices,
                       std::vector<labelrender::DesignObject> before, std::vector<labelrender::DesignObject> after);
    void undo() override { Apply(before_); }
    void redo() override { Apply(after_); }
    int id() const override { return mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(const std::vector<labelrender::DesignObject>& objects);
    int mergeKey_;
    int gesture_;
    std::vector<int> indices_;
    std::vector<labelrender::DesignObject> before_, after_;
};

// Inserts objects at their indices (ascending); undone it removes them,
// and built with `remove` it does the opposite.
class InsertObjectsCommand : public DocumentCommand {
public:
    InsertObjectsCommand(DesignDocument& document, const QString& text, std::vector<int> indices,
                         std::vector<labelrender::DesignObject> objects, bool remove);
    void undo() override { remove_ ? Insert() : Remove(); }
    void redo() override { remove_ ? Remove() : Insert(); }

private:
    void Insert();
    void Remove();
    std::vector<int> indices_;
    std::vector<labelrender::DesignObject> objects_;
    bool remove_;
};

class ReorderCommand : public DocumentCommand {
public:
    ReorderCommand(DesignDocument& document, const QString& text, std::vector<int> order);
    void undo() override;
    void redo() override;

private:
    void Apply(const std::vector<int>& order);
    std::vector<int> order_, inverse_;
};

class GeometryCommand : public DocumentCommand {
public:
    GeometryCommand(DesignDocument& document, const QString& text, labelrender::PageGeometry before,
                    labelrender::PageGeometry after, std::string descriptionBefore, std::string descriptionAfter);
    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    labelrender::PageGeometry before_, after_;
    std::string descriptionBefore_, descriptionAfter_;
};

}  // namespace quill::designer
