#include "designer/UndoCommands.h"

#include <algorithm>

namespace quill::designer {

using labelrender::DesignObject;

EditObjectsCommand::EditObjectsCommand(DesignDocument& document, const QString& text, int mergeKey, int gesture,
                                       std::vector<int> indices, std::vector<DesignObject> before,
                                       std::vector<DesignObject> after)
    : DocumentCommand(document, text),
      mergeKey_(mergeKey),
      gesture_(gesture),
      indices_(std::move(indices)),
      before_(std::move(before)),
      after_(std::move(after)) {}

void EditObjectsCommand::Apply(const std::vector<DesignObject>& objects) {
    auto& all = design().objects;
    for (std::size_t i = 0; i < indices_.size(); ++i) all[indices_[i]] = objects[i];
    Changed();
}

bool EditObjectsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const EditObjectsCommand*>(other);
    if (next->indices_ != indices_ || next->gesture_ != gesture_) return false;
    after_ = next->after_;
    // a gesture that ends where it began is no step at all
    setObsolete(after_ == before_);
    return true;
}

InsertObjectsCommand::InsertObjectsCommand(DesignDocument& document, const QString& text, std::vector<int> indices,
                                           std::vector<DesignObject> objects, bool remove)
    : DocumentCommand(document, text), indices_(std::move(indices)), objects_(std::move(objects)), remove_(remove) {}

void InsertObjectsCommand::Insert() {
    auto& all = design().objects;
    for (std::size_t i = 0; i < indices_.size(); ++i) all.insert(all.begin() + indices_[i], objects_[i]);
    Select(indices_);
    Changed();
}

void InsertObjectsCommand::Remove() {
    auto& all = design().objects;
    for (std::size_t i = indices_.size(); i-- > 0;) all.erase(all.begin() + indices_[i]);
    Select({});
    Changed();
}

ReorderCommand::ReorderCommand(DesignDocument& document, const QString& text, std::vector<int> order)
    : DocumentCommand(document, text), order_(std::move(order)), inverse_(order_.size()) {
    for (std::size_t i = 0; i < order_.size(); ++i) inverse_[order_[i]] = static_cast<int>(i);
}

void ReorderCommand::Apply(const std::vector<int>& order) {
    auto& all = design().objects;
    std::vector<DesignObject> reordered;
    reordered.reserve(all.size());
    for (int from : order) reordered.push_back(std::move(all[from]));
    all = std::move(reordered);
    // the selection follows its objects
    std::vector<int> inverse(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) inverse[order[i]] = static_cast<int>(i);
    std::vector<int> selected;
    for (int index : document_.selection()) selected.push_back(inverse[index]);
    std::sort(selected.begin(), selected.end());
    Select(std::move(selected));
    Changed();
}

void ReorderCommand::undo() { Apply(inverse_); }
void ReorderCommand::redo() { Apply(order_); }

namespace {
constexpr int kDescriptionMergeKey = 900;
}

GeometryCommand::GeometryCommand(DesignDocument& document, const QString& text, labelrender::PageGeometry before,
                                 labelrender::PageGeometry after, std::string descriptionBefore,
                                 std::string descriptionAfter)
    : DocumentCommand(document, text),
      before_(before),
      after_(after),
      descriptionBefore_(std::move(descriptionBefore)),
      descriptionAfter_(std::move(descriptionAfter)) {}

void GeometryCommand::undo() {
    design().geometry = before_;
    design().description = descriptionBefore_;
    Changed();
}

void GeometryCommand::redo() {
    design().geometry = after_;
    design().description = descriptionAfter_;
    Changed();
}

int GeometryCommand::id() const { return before_ == after_ ? kDescriptionMergeKey : -1; }

bool GeometryCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const GeometryCommand*>(other);
    descriptionAfter_ = next->descriptionAfter_;
    setObsolete(descriptionAfter_ == descriptionBefore_);
    return true;
}

}  // namespace quill::designer
