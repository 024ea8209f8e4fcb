#pragma once

#include "report_engine/report_section.h"

#include <QFont>
#include <QSizeF>
#include <QStringList>

// How a text is set in its place on paper (twips): on one line at its own size when it fits;
// else smaller, down to a readable size, on one line or wrapped onto as many lines as the
// place holds, breaking after blanks, commas and hyphens (so a list of places wraps too).
// Only a text that does not fit even so is set smaller still, down to 60% of its own size,
// and only then shortened with an ellipsis. The layout asks the same question to give a
// growing field the height it needs to print whole and readable; the painter sets the answer.
struct FittedText {
    QFont font;
    double points = 0;
    QStringList lines;
    bool readable = true; // set at the readable size or larger
    bool shortened = false;
};

namespace TextFit {

// The smallest readable size; a text designed smaller keeps its own size.
constexpr double ReadablePoints = 7;

// The font at `points`, sized in twips so every device prints it alike.
QFont font(const ReportFont& wanted, double points);

FittedText fit(const QString& text, const ReportFont& wanted, const QSizeF& place);

// The height that `text` needs at the readable size, wrapped to `width`.
double readableHeight(const QString& text, const ReportFont& wanted, double width);

} // namespace TextFit
