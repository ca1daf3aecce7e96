#pragma once
// Pages of labels written straight into a PDF file: each finished page goes
// to the file, so a job of ten thousand labels needs no more memory than a
// job of one. Every write is checked: a full disk or a file size limit
// fails the job instead of leaving a cut file that looks printed.
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <string>

#include "labelrender/Calibration.h"
#include "labelrender/Design.h"
#include "labelrender/LabelContent.h"
#include "labelrender/Status.h"

namespace quill::labelrender {

// A file that remembers its first failed write: the PDF writer does not
// look at the results of its writes, and a later seek would clear the
// file's own error.
class CheckedFile : public QFile {
public:
    using QFile::QFile;
    bool failed() const { return !failure_.isEmpty(); }
    QString failure() const { return failure_; }
    // Writes out what is buffered; false once any write failed.
    bool Flush();

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    void Fail();
    QString failure_;
};

class PdfPageStream {
public:
    // LL_ERR_CANNOT_CREATE_TEMPFILE when the file cannot be written. Every
    // label is moved and stretched by the printer's calibration.
    static Status Open(const std::string& path, const Design& design, const std::string& title,
                       const Calibration& calibration, std::unique_ptr<PdfPageStream>& out);
    ~PdfPageStream();
    PdfPageStream(const PdfPageStream&) = delete;
    PdfPageStream& operator=(const PdfPageStream&) = delete;

    // Paints a label at `position` (0-based, row by row) of the current
    // page, or of a new page when `newPage` is set. LL_ERR_PRINTING once a
    // write to the file failed.
    Status PaintLabelAt(const LabelContent& content, int position, bool newPage);
    // Completes the file and makes it durable (flushed and synced).
    Status Finish();
    int pageCount() const { return pages_; }

private:
    PdfPageStream(const std::string& path, const Design& design, const Calibration& calibration);
    Status WriteFailure() const;

    const Design& design_;
    Calibration calibration_;
    std::string path_;
    CheckedFile file_;
    QPdfWriter writer_;
    QPainter painter_;
    int pages_ = 1;
};

}  // namespace quill::labelrender
