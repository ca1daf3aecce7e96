#pragma once
// The grid of a text file to print from: a tick column and sixteen value
// columns, one row per line. Rows start ticked; the counts follow the ticks.
#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

#include "print_app/TextFileLines.h"

namespace quill {

class TTextFileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int TickColumn = 0;

    explicit TTextFileModel(QObject* parent = nullptr);

    void SetLines(std::vector<TTextFileLine> lines);
    void Clear() { SetLines({}); }
    // Column k (1..16) shows vocabulary position k - 1; an empty caption hides it.
    void SetCaption(int column, const QString& caption);
    const QString& Caption(int column) const { return captions_[static_cast<std::size_t>(column)]; }

    int Total() const { return static_cast<int>(lines_.size()); }
    int Selected() const { return selected_; }
    bool Ticked(int row) const { return ticks_[static_cast<std::size_t>(row)] != 0; }
    void SetTicked(int row, bool ticked);
    void TickAll(bool ticked);
    TTextFileValues Values(int row) const { return SplitTextFileLine(lines_[static_cast<std::size_t>(row)]); }
    // Ticked rows in grid order.
    std::vector<int> TickedRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void countsChanged();

private:
    std::vector<TTextFileLine> lines_;
    std::vector<char> ticks_;
    std::array<QString, TextFileColumnCount + 1> captions_;
    int selected_ = 0;
};

}  // namespace quill
