#pragma once
// Shows the engine's queue list without a window: one line on a stream for
// every row that is added or changes, fields separated by tabs:
//   mode, design, amount, status, status code, task id
#include <iosfwd>
#include <string>

#include <QObject>

#include "engine/QueueRows.h"

namespace quill {

class TQueueRowPrinter : public QObject {
    Q_OBJECT
public:
    TQueueRowPrinter(const TQueueRows& rows, std::ostream& out, QObject* parent = nullptr);

    static std::string FormatRow(const TQueueRow& row);

private:
    void Print(int index);

    const TQueueRows& rows_;
    std::ostream& out_;
};

}  // namespace quill
