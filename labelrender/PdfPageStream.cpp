#include "labelrender/PdfPageStream.h"

#include <malloc.h>
#include <unistd.h>

#include <QPageLayout>
#include <QPageSize>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "labelrender/LabelJob.h"
#include "labelrender/LabelPainter.h"

namespace quill::labelrender {

namespace {

constexpr int kPdfDotsPerInch = 1200;

// The PDF writer takes two 16 MB buffers to compress each finished page and
// frees them again. By default the C library maps such blocks from the
// system and unmaps them (or trims the heap) every page, and the system
// clears each memory page touched anew: about a fifth of a job of one label
// per page. Kept in the heap they cost only the memory a page touches.
void KeepPageBuffersInHeap() {
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);   // the largest the library takes
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    });
}

}  // namespace

qint64 CheckedFile::writeData(const char* data, qint64 length) {
    errno = 0;
    const qint64 written = QFile::writeData(data, length);
    if (written != length) Fail();
    return written;
}

bool CheckedFile::Flush() {
    errno = 0;
    if (!flush()) Fail();
    return !failed();
}

void CheckedFile::Fail() {
    // the system's reason ("No space left on device") says more than Qt's
    if (failure_.isEmpty())
        failure_ = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("short write");
}

PdfPageStream::PdfPageStream(const std::string& path, const Design& design, const Calibration& calibration)
    : design_(design), calibration_(calibration), path_(path), file_(QString::fromStdString(path)), writer_(&file_) {}

PdfPageStream::~PdfPageStream() {
    if (painter_.isActive()) painter_.end();
}

Status PdfPageStream::Open(const std::string& path, const Design& design, const std::string& title,
                           const Calibration& calibration, std::unique_ptr<PdfPageStream>& out) {
    KeepPageBuffersInHeap();
    std::unique_ptr<PdfPageStream> stream(new PdfPageStream(path, design, calibration));
    if (!stream->file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Status::Error(LL_ERR_CANNOT_CREATE_TEMPFILE,
                             "cannot write the print file " + path + ": " + stream->file_.errorString().toStdString());
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

Status PdfPageStream::PaintLabelAt(const LabelContent& content, int position, bool newPage) {
    if (newPage) {
        writer_.newPage();
        ++pages_;
    }
    // pages reach the file when the next one begins
    if (file_.failed()) return WriteFailure();
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
    return Status::Ok();
}

Status PdfPageStream::Finish() {
    if (painter_.isActive() && !painter_.end())
        return Status::Error(LL_ERR_PRINTING, "cannot complete the print file " + path_);
    if (!file_.Flush()) return WriteFailure();
    if (::fsync(file_.handle()) != 0)
        return Status::Error(LL_ERR_PRINTING, "cannot write the print file " + path_ + ": " + std::strerror(errno));
    file_.close();
    if (file_.error() != QFileDevice::NoError)
        return Status::Error(LL_ERR_PRINTING,
                             "cannot write the print file " + path_ + ": " + file_.errorString().toStdString());
    return Status::Ok();
}

Status PdfPageStream::WriteFailure() const {
    const QString why = file_.failed() ? file_.failure() : file_.errorString();
    return Status::Error(LL_ERR_PRINTING, "cannot write the print file " + path_ + ": " + why.toStdString());
}

}  // namespace quill::labelrender
