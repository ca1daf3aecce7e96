#include "designer/DesignDocument.h"

#include <algorithm>
#include <filesystem>
#include <cstdlib>
#include <set>

#include "designer/UndoCommands.h"
#include "platform/FileOps.h"

namespace quill::designer {

using labelrender::Design;
using labelrender::DesignObject;

DesignDocument::DesignDocument(QObject* parent) : QObject(parent) { undo_.setUndoLimit(kUndoLimit); }

std::string DesignDocument::Folder() const { return std::filesystem::path(path_).parent_path().string(); }

void DesignDocument::Open(const std::string& path) {
    path_ = path;
    undo_.clear();
    selection_.clear();
    loadProblems_.clear();
    readOnly_ = false;
    unsaved_ = false;
    highestSection_ = 0;
    design_ = Design{};
    baseBytes_.clear();
    const auto bytes = platform::FileExists(path) ? platform::ReadWholeFile(path) : std::nullopt;
    if (!bytes) {
        // a new design: what a written empty design reads back as
        unsaved_ = true;
        baseBytes_ = design_.ToBytes();
        base_ = design_;
    } else {
        baseBytes_ = *bytes;
        std::vector<std::string> problems;
        const labelrender::Status status =
            Design::Parse(baseBytes_, design_, {.acceptNewerVersion = true, .problems = &problems});
        if (design_.formatVersion > labelrender::kDesignFormatVersion) {
            readOnly_ = true;
        } else if (!status.ok() && problems.empty()) {
            // not a design at all: nothing of it can be kept when saving
            problems.push_back(status.message);
            readOnly_ = true;
        }
        loadProblems_ = std::move(problems);
        base_ = design_;
    }
    emit opened();
    Changed();
    emit selectionChanged();
}

bool DesignDocument::Save(QString& error) {
    if (readOnly_) {
        error = tr("This design is open read-only and cannot be saved.");
        return false;
    }
    const std::string bytes = design_.UpdatedBytes(base_, baseBytes_);
    if (!platform::WriteWholeFile(path_, bytes)) {
        error = tr("The design could not be written to %1. The file on disk is unchanged.")
                    .arg(QString::fromStdString(path_));
        return false;
    }
    // read back what was written, so that new objects get their sections
    Design written;
    labelrender::Design::Parse(bytes, written, {.acceptNewerVersion = true});
    if (written.objects.size() == design_.objects.size())
        for (std::size_t i = 0; i < written.objects.size(); ++i) design_.objects[i].name = written.objects[i].name;
    base_ = design_;
    baseBytes_ = bytes;
    unsaved_ = false;
    undo_.setClean();
    return true;
}

void DesignDocument::Select(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::erase_if(indices, [&](int i) { return i < 0 || i >= static_cast<int>(design_.objects.size()); });
    if (indices == selection_) return;
    selection_ = std::move(indices);
    emit selectionChanged();
}

std::vector<int> DesignDocument::WithGroups(std::vector<int> indices) const {
    std::set<int> groups;
    for (int i : indices)
        if (design_.objects[i].group != 0) groups.insert(design_.objects[i].group);
    for (int i = 0; i < static_cast<int>(design_.objects.size()); ++i)
        if (groups.count(design_.objects[i].group)) indices.push_back(i);
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

void DesignDocument::Changed() { emit changed(); }

void DesignDocument::EditObjects(const std::vector<int>& indices, const QString& text, int mergeKey,
                                 const std::function<void(DesignObject&)>& edit) {
    std::vector<DesignObject> after;
    for (int i : indices) {
        after.push_back(design_.objects[i]);
        edit(after.back());
    }
    ReplaceObjects(indices, std::move(after), text, mergeKey);
}

void DesignDocument::ReplaceObjects(const std::vector<int>& indices, std::vector<DesignObject> after,
                                    const QString& text, int mergeKey) {
    if (readOnly_ || indices.empty()) return;
    std::vector<DesignObject> before;
    for (int i : indices) before.push_back(design_.objects[i]);
    if (before == after) return;   // an edit that changes nothing is no step
    undo_.push(
        new EditObjectsCommand(*this, text, mergeKey, gesture_, indices, std::move(before), std::move(after)));
}

void DesignDocument::AddObjects(std::vector<DesignObject> objects, const QString& text) {
    if (readOnly_ || objects.empty()) return;
    // each gets a section of its own, numbered above every section there is
    long highest = 0;
    const auto number = [](const std::string& name) {
        return name.size() > 6 ? std::strtol(name.c_str() + 6, nullptr, 10) : 0L;
    };
    for (const DesignObject& o : design_.objects) highest = std::max(highest, number(o.name));
    for (const DesignObject& o : base_.objects) highest = std::max(highest, number(o.name));
    highest = std::max(highest, highestSection_);
    std::vector<int> indices;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        objects[i].name = "Object" + std::to_string(++highest);
        indices.push_back(static_cast<int>(design_.objects.size() + i));
    }
    highestSection_ = highest;
    undo_.push(new InsertObjectsCommand(*this, text, std::move(indices), std::move(objects), false));
}

void DesignDocument::RemoveObjects(std::vector<int> indices, const QString& text) {
    if (readOnly_ || indices.empty()) return;
    std::sort(indices.begin(), indices.end());
    std::vector<DesignObject> removed;
    for (int i : indices) removed.push_back(design_.objects[i]);
    undo_.push(new InsertObjectsCommand(*this, text, std::move(indices), std::move(removed), true));
}

void DesignDocument::Reorder(const std::vector<int>& order, const QString& text) {
    if (readOnly_) return;
    bool same = true;
    for (std::size_t i = 0; i < order.size(); ++i) same = same && order[i] == static_cast<int>(i);
    if (same) return;
    undo_.push(new ReorderCommand(*this, text, order));
}

void DesignDocument::EditGeometry(const labelrender::PageGeometry& geometry, const QString& text) {
    if (readOnly_ || geometry == design_.geometry) return;
    undo_.push(new GeometryCommand(*this, text, design_.geometry, geometry, design_.description, design_.description));
}

void DesignDocument::EditDescription(const std::string& description) {
    if (readOnly_ || description == design_.description) return;
    undo_.push(new GeometryCommand(*this, tr("Description"), design_.geometry, design_.geometry,
                                   design_.description, description));
}

}  // namespace quill::designer
