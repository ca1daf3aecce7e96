#include "engine_app/QueueRowPrinter.h"

#include <ostream>

namespace quill {

TQueueRowPrinter::TQueueRowPrinter(const TQueueRows& rows, std::ostream& out, QObject* parent)
    : QObject(parent), rows_(rows), out_(out) {
    connect(&rows_, &TQueueRows::rowAdded, this, &TQueueRowPrinter::Print);
    connect(&rows_, &TQueueRows::rowChanged, this, &TQueueRowPrinter::Print);
}

std::string TQueueRowPrinter::FormatRow(const TQueueRow& row) {
    return row.Mode + '\t' + row.Design + '\t' + row.Amount + '\t' + row.Status + '\t' +
           std::to_string(static_cast<int>(row.StatusCode)) + '\t' + std::to_string(row.TaskID);
}

void TQueueRowPrinter::Print(int index) {
    // Flushed per line: a reader on a pipe sees each change as it happens.
    out_ << FormatRow(rows_.Rows().at(static_cast<std::size_t>(index))) << std::endl;
}

}  // namespace quill
