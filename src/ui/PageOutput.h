#pragma once
// Where printed pages go: a printer, the bytes of an A4 PDF, an A4 image at a given resolution,
// or a PDF or PNG file written whole, so that a failure leaves no partial file behind.

#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

#include "files/FileError.h"
#include "shell/DesktopArguments.h"

class PrintPages;
class QPagedPaintDevice;

// The resolution of image output.
inline constexpr int kImageDotsPerInch = 150;

// Every page onto a printer or PDF writer, each on a page of its own.
void PaintPages(QPagedPaintDevice& device, const PrintPages& pages);
// An A4 PDF of every page.
QByteArray PdfOf(const PrintPages& pages);
// The first page as an A4 image at dotsPerInch.
QImage FirstPageImage(const PrintPages& pages, int dotsPerInch = kImageDotsPerInch);

// A file's bytes: the PDF of every page, or the PNG of the first page.
QByteArray PagesFileBytes(SheetFormat format, const PrintPages& pages);
// "Unable to Write File PATH ... CAUSE".
std::string WriteFailureMessage(const std::filesystem::path& file, FileError error);
// Writes PagesFileBytes whole; the message to show when it fails.
std::optional<std::string> WritePages(const std::filesystem::path& file, SheetFormat format,
                                      const PrintPages& pages);
