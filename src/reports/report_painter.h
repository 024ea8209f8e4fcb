#pragma once

#include "reports/report_pages.h"

class QIODevice;
class QPainter;
class QPrinter;

// Paints laid-out pages. Painter coordinates are twips; the caller scales the painter
// to its device. Text that is too wide for its place is set smaller, down to a floor,
// and only then shortened with an ellipsis, so nothing runs into its neighbour.
namespace ReportPainter {

void paintPage(QPainter& painter, const LaidOutPage& page);

// Writes every page to a PDF; answers an empty text on success, else what went wrong.
QString writePdf(const LaidOutReport& report, QIODevice& device);
// Writes the PDF file whole or not at all: a failed write leaves no file behind.
QString writePdfFile(const LaidOutReport& report, const QString& path);

void print(const LaidOutReport& report, QPrinter& printer);

} // namespace ReportPainter
