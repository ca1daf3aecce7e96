#pragma once
// The design being edited: the model, its file, the selection and the undo
// stack every edit goes through. Views (canvas, property panel, problems
// list) watch it and change it only through its edit operations, so that
// one user action is one undo step and an edit that changes nothing is none.
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string>
#include <vector>

#include "labelrender/Design.h"
#include "labelrender/Variables.h"

namespace quill::designer {

// Groups the steps of one gesture: edits with the same key on the same
// objects fold into one step (a drag, the typing in one field).
enum class MergeKey : int {
    None = -1,
    Move = 1,
    Resize,
    Nudge,
    Property,   // + the field's number
};

class DesignDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int kUndoLimit = 1000;

    explicit DesignDocument(QObject* parent = nullptr);

    // Opens a design file; a missing file opens a new, empty design. Broken
    // designs open with what could be read and their problems listed; a
    // design of a newer format version opens read-only.
    void Open(const std::string& path);
    // Writes the design to its file atomically; false with `error` set
    // when it cannot be written (the old file is then untouched).
    bool Save(QString& error);

    const std::string& Path() const { return path_; }
    std::string Folder() const;
    bool IsReadOnly() const { return readOnly_; }
    bool IsModified() const { return !undo_.isClean() || unsaved_; }
    // What reading the file found wrong.
    const std::vector<std::string>& LoadProblems() const { return loadProblems_; }

    const labelrender::Design& design() const { return design_; }
    const std::vector<labelrender::DesignObject>& objects() const { return design_.objects; }
    QUndoStack& undoStack() { return undo_; }

    // Variables the program defined for the design, with their samples.
    void SetVariables(labelrender::VariableSet variables) { variables_ = std::move(variables); }
    const labelrender::VariableSet& variables() const { return variables_; }

    // The selection: indices into objects(), ascending.
    const std::vector<int>& selection() const { return selection_; }
    void Select(std::vector<int> indices);
    // With groups: every member of a selected object's group joins.
    std::vector<int> WithGroups(std::vector<int> indices) const;

    // Ends the gesture under way: later edits no longer fold into its step.
    void EndGesture() { ++gesture_; }

    // Edits. Each is one undo step named `text` unless it changes nothing.
    void EditObjects(const std::vector<int>& indices, const QString& text, int mergeKey,
                     const std::function<void(labelrender::DesignObject&)>& edit);
    void ReplaceObjects(const std::vector<int>& indices, std::vector<labelrender::DesignObject> after,
                        const QString& text, int mergeKey);
    // Adds objects on top and selects them.
    void AddObjects(std::vector<labelrender::DesignObject> objects, const QString& text);
    void RemoveObjects(std::vector<int> indices, const QString& text);
    // `order[i]` is the index of the object that goes to place i.
    void Reorder(const std::vector<int>& order, const QString& text);
    void EditGeometry(const labelrender::PageGeometry& geometry, const QString& text);
    void EditDescription(const std::string& description);

signals:
    // After every change of the model (edits, undo, redo, open).
    void changed();
    void selectionChanged();
    void opened();

private:
    friend class DocumentCommand;
    labelrender::Design& mutableDesign() { return design_; }
    void Changed();

    std::string path_;
    labelrender::Design design_;
    labelrender::Design base_;   // as read from the file, which UpdatedBytes edits
    std::string baseBytes_;
    bool readOnly_ = false;
    bool unsaved_ = false;       // a new design, never written
    std::vector<std::string> loadProblems_;
    labelrender::VariableSet variables_;
    std::vector<int> selection_;
    int gesture_ = 0;
    long highestSection_ = 0;   // of objects added, also those undone since
    QUndoStack undo_;
};

}  // namespace quill::designer
