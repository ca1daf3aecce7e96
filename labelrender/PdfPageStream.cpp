#include "labelrender/PdfPageStream.h"

#include <QPageLayout>
#include <QPageSize>

#include "labelrender/LabelJob.h"
#include "labelrender/LabelPainter.h"

namespace quill::labelrender {

namespace {
constexpr int kPdfDotsPerInch = 1200;
}

PdfPageStream::PdfPageStream(const std::string& path, const Design& design, const Calibration& calibration)
    : design_(design), calibration_(calibration), writer_(QString::fromStdString(path)) {}

PdfPageStream::~PdfPageStream() {
    if (painter_.isActive()) painter_.end();
}

Status PdfPageStream::Open(const std::string& path, const Design& design, const std::string& title,
                           const Calibration& calibration, std::unique_ptr<PdfPageStream>& out) {
    std::unique_ptr<PdfPageStream> stream(new PdfPageStream(path, design, calibration));
    QPdfWriter& writer = stream->writer_;
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Quill"));
    const QSizeF pageMm(design.geometry.PageWidth().mm(), design.geometry.PageHeight().mm());
    const QPageSize pageSize(pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (!stream->painter_.begin(&writer))
        return Status::Error(LL_ERR_CANNOT_CREATE_TEMPFILE, "cannot write the print file " + path);
    stream->painter_.setRenderHint(QPainter::Antialiasing);
    out = std::move(stream);
    return Status::Ok();
}

void PdfPageStream::PaintLabelAt(const LabelContent& content, int position, bool newPage) {
    if (newPage) {
        writer_.newPage();
        ++pages_;
    }
    const PageGeometry& g = design_.geometry;
    painter_.save();
    UseMicrometres(painter_, kPdfDotsPerInch);
    if (!calibration_.IsNone()) {
        painter_.translate(calibration_.OffsetXUm(), calibration_.OffsetYUm());
        painter_.scale(calibration_.Factor(), calibration_.Factor());
    }
    painter_.translate(static_cast<double>(g.LabelX(position).um()), static_cast<double>(g.LabelY(position).um()));
    PaintLabel(painter_, design_, content);
    painter_.restore();
}

Status PdfPageStream::Finish() {
    if (painter_.isActive() && !painter_.end())
        return Status::Error(LL_ERR_CANNOT_CREATE_TEMPFILE, "cannot complete the print file");
    return Status::Ok();
}

}  // namespace quill::labelrender
