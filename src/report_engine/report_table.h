#pragma once

#include "database/refusal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class Report;

// A report read as a table, for files and pages rather than paper: the report's columns
// and one line per printed line that carries data, in printed order. A detail line fills
// every column, the group values repeated in it; a group line fills the columns of its
// group; a total line (a group or report footer with sums) fills the group values it
// closes, its caption in the first empty column after theirs (the same column for every
// group of a level, whatever values a group leaves blank) and each sum in its own column,
// or after the caption when that is taken.
struct ReportTable {
    enum class LineKind { Group, Detail, Total };
    struct Line {
        LineKind kind;
        int level; // a group's level; the report's group count for details; -1 for report totals
        QStringList cells;
    };

    QStringList headings;
    QList<int> columnLevels; // the level whose rows hold each column's field
    int groups = 0;
    std::vector<Line> lines;

    static ReportTable of(const Report& report);

    // The heading and the detail and total lines: what a flat file of the report holds.
    QList<QStringList> flatRows() const;

    // Writes the report's flat rows as a CSV file, whole or not at all; refused with what
    // went wrong.
    static Refusal writeCsvFile(const Report& report, const QString& path);
};
