#pragma once

#include "database/refusal.h"
#include "report_engine/report_pages.h"

class QIODevice;
class QPainter;
class QPrinter;

// Paints laid-out pages. Painter coordinates are twips; the caller scales the painter
// to its device. Text is set as TextFit says: smaller or on more lines where it is too
// wide for its place, and only then shortened, so nothing runs into its neighbour.
namespace ReportPainter {

void paintPage(QPainter& painter, const LaidOutPage& page);

// Writes every page to a PDF; answers an empty text on success, else what went wrong.
QString writePdf(const LaidOutReport& report, QIODevice& device);
// Writes the PDF file whole or not at all: a failed write leaves no file behind.
Refusal writePdfFile(const LaidOutReport& report, const QString& path);

void print(const LaidOutReport& report, QPrinter& printer);

} // namespace ReportPainter
