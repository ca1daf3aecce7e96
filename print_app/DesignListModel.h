#pragma once
// The rows of a design list: in a single-folder list one row per design; in
// a multi-folder list one row per location with its designs below it. The
// twelve columns are those the list window knows (only Design, Description
// and Date are shown); rows stay sorted on Design, without regard to case.
#include <QAbstractItemModel>
#include <QIcon>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print_app/SketchPicture.h"

namespace quill {

enum class TDesignColumn : int {
    Number, Design, Description, Date, Sketch, Status, Remark, Type, DesignLocation, LabelLocation, ID, Dirty,
};
inline constexpr int DesignColumnCount = 12;

struct TDesignRow {
    int Id = 0;                  // the location's number; 0 in a single-folder list
    int Number = 0;              // running count of design rows in fill order; -1 on location rows
    std::string Design;          // N.lbl, or the location's name
    std::string Description;
    std::int64_t DateNs = 0;     // the design file's modification time
    int Status = 0;              // 1: printer settings (N.lbp) missing
    std::string Remark;
    bool IsFolder = false;       // a location row
    std::string DesignLocation;  // with trailing separator
    std::string LabelLocation;   // with trailing separator
    bool Dirty = false;          // description edited and not yet written
    TSketchPicture Sketch;       // N.bmp where the fill found one
    bool Expanded = true;        // location rows
    std::vector<std::unique_ptr<TDesignRow>> Children;
};
using TDesignRows = std::vector<std::unique_ptr<TDesignRow>>;

class TDesignListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TDesignListModel(QObject* parent = nullptr);

    void Clear();
    // A location row (top level) or a design row below `location` (top
    // level when invalid), put in its sorted place.
    QModelIndex AddRow(const QModelIndex& location, TDesignRow row);
    void RemoveRow(const QModelIndex& index);
    // Tells the views that the row's contents changed.
    void RowChanged(const QModelIndex& index);

    TDesignRow* Row(const QModelIndex& index);
    const TDesignRow* Row(const QModelIndex& index) const;
    // Every design row, below locations too, with its index.
    void ForEachDesign(const std::function<void(const QModelIndex&, TDesignRow&)>& visit);
    QModelIndex FindFirst(const std::function<bool(const TDesignRow&)>& match) const;
    // The design row named `fileName` (case-insensitive) below `location`
    // (top level when invalid).
    QModelIndex FindDesign(const QModelIndex& location, const std::string& fileName) const;
    QModelIndex FindLocation(int id) const;
    int DesignCount() const;
    // The row shown just above `index` (its previous sibling, else its parent).
    QModelIndex RowBefore(const QModelIndex& index) const;

    // Icons of the tree: closed location, open location, design.
    void SetTreeImages(QIcon closed, QIcon open, QIcon design);
    void SetExpanded(const QModelIndex& index, bool expanded);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString Text(const std::string& bytes) { return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())); }
    static QString DateText(std::int64_t ns);

signals:
    // A description was typed into a design row.
    void descriptionEdited();

private:
    // The rows below `parent`: locations or designs (a design has none).
    TDesignRows* Siblings(const QModelIndex& parent) const;

    mutable TDesignRows rows_;
    QIcon closed_, open_, design_;
};

}  // namespace quill
