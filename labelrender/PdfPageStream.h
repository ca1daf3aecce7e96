#pragma once
// Pages of labels written straight into a PDF file: each finished page goes
// to the file, so a job of ten thousand labels needs no more memory than a
// job of one.
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <string>

#include "labelrender/Calibration.h"
#include "labelrender/Design.h"
#include "labelrender/LabelContent.h"
#include "labelrender/Status.h"

namespace quill::labelrender {

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
    // page, or of a new page when `newPage` is set.
    void PaintLabelAt(const LabelContent& content, int position, bool newPage);
    // Completes the file.
    Status Finish();
    int pageCount() const { return pages_; }

private:
    PdfPageStream(const std::string& path, const Design& design, const Calibration& calibration);

    const Design& design_;
    Calibration calibration_;
    QPdfWriter writer_;
    QPainter painter_;
    int pages_ = 1;
};

}  // namespace quill::labelrender
