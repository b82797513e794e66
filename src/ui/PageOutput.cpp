#include "ui/PageOutput.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "files/AtomicFile.h"
#include "shell/PrintLayout.h"
#include "ui/BoardPrinter.h"
#include "ui/PictureReplay.h"

namespace {
// Fine enough that the board's integer pixel layout does not show on paper.
constexpr int kPdfDotsPerInch = 300;

void PaintPage(QPainter& painter, const PrintPages& pages, int page, QSize size, int dpi) {
    painter.fillRect(QRect(QPoint(0, 0), size), ToQColor(kPaperColour));
    pages.PaintPage(painter, page, size, dpi);
}
}  // namespace

void PaintPages(QPagedPaintDevice& device, const PrintPages& pages) {
    QPainter painter(&device);
    const QSize size(device.width(), device.height());
    for (int page = 0; page < pages.PageCount(); ++page) {
        if (page > 0) device.newPage();
        PaintPage(painter, pages, page, size, device.logicalDpiX());
    }
}

QByteArray PdfOf(const PrintPages& pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator("Raruduz");
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(kPdfDotsPerInch);
        PaintPages(writer, pages);
    }
    return bytes;
}

QImage FirstPageImage(const PrintPages& pages, int dotsPerInch) {
    QImage image(MillimetresToPixels(kA4WidthMillimetres, dotsPerInch),
                 MillimetresToPixels(kA4HeightMillimetres, dotsPerInch), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(dotsPerInch * 10000LL / 254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    PaintPage(painter, pages, 0, image.size(), dotsPerInch);
    return image;
}

QByteArray PagesFileBytes(SheetFormat format, const PrintPages& pages) {
    if (format == SheetFormat::Pdf) return PdfOf(pages);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FirstPageImage(pages).save(&buffer, "PNG");
    return bytes;
}

std::string WriteFailureMessage(const std::filesystem::path& file, FileError error) {
    return "Unable to Write File " + file.string() + " ... " + FileErrorText(error);
}

std::optional<std::string> WritePages(const std::filesystem::path& file, SheetFormat format,
                                      const PrintPages& pages) {
    const QByteArray bytes = PagesFileBytes(format, pages);
    FileError error = FileError::None;
    if (!WriteFileAtomically(file, std::string_view(bytes.constData(), bytes.size()), error))
        return WriteFailureMessage(file, error);
    return std::nullopt;
}
