#include "report_engine/report_table.h"

#include "database/checked_file_writer.h"
#include "report_engine/csv_text.h"
#include "report_engine/report.h"
#include "report_engine/report_bands.h"
#include "report_engine/report_layout.h"

namespace {

using Kind = ReportSection::Kind;

// One set of rows at each depth of the report's rows, the first found, to tell which
// depth holds a field.
std::vector<const RowSet*> tableSetsByDepth(const RowSet& top, int groups) {
    std::vector<const RowSet*> sets{&top};
    for (int depth = 0; depth < groups; ++depth) {
        const RowSet* next = nullptr;
        for (const ReportRow& row : sets.back()->rows())
            if (row.children) {
                next = row.children.get();
                break;
            }
        if (!next)
            break;
        sets.push_back(next);
    }
    return sets;
}

int tableFirstEmpty(const QStringList& cells, int from) {
    for (int i = std::max(from, 0); i < cells.size(); ++i)
        if (cells[i].isEmpty())
            return i;
    return -1;
}

// Where a footer of `level` writes its caption: the first empty column below the values
// it closes, so a blank value of the group (a rider without a back number) does not pull
// the caption into that group's columns; the first empty column when there is none.
int tableCaptionColumn(const QStringList& cells, const QList<int>& columnLevels, int level) {
    for (int i = 0; i < cells.size(); ++i)
        if (columnLevels[i] > level && cells[i].isEmpty())
            return i;
    return tableFirstEmpty(cells, 0);
}

// A footer's caption and sums, written into the cells left empty by the values it closes.
void tableAddTotals(const Report& report, const QList<ReportColumn>& columns, const ReportSection& footer, int level,
                    const std::vector<RowContext>& context, const QList<int>& columnLevels, QStringList& cells) {
    int caption = -1;
    for (const ReportControl& control : footer.controls)
        if (control.visible && control.kind == ReportControl::Kind::Label && !control.caption.isEmpty()) {
            caption = tableCaptionColumn(cells, columnLevels, level);
            if (caption >= 0)
                cells[caption] = control.caption;
            break;
        }
    for (const ReportControl& control : footer.controls) {
        if (!control.visible ||
            (control.kind != ReportControl::Kind::Sum && control.kind != ReportControl::Kind::Count))
            continue;
        int at = -1;
        for (int i = 0; i < columns.size(); ++i)
            if (columns[i].field.compare(control.field, Qt::CaseInsensitive) == 0)
                at = i;
        if (at < 0 || at <= caption || !cells[at].isEmpty())
            at = tableFirstEmpty(cells, caption + 1);
        if (at >= 0)
            cells[at] = ReportBands::aggregate(report, control, context);
    }
}

bool tableHasTotals(const ReportSection& section) {
    for (const ReportControl& control : section.controls)
        if (control.visible && (control.kind == ReportControl::Kind::Sum || control.kind == ReportControl::Kind::Count))
            return true;
    return false;
}

} // namespace

ReportTable ReportTable::of(const Report& report) {
    ReportTable table;
    const QList<ReportColumn> columns = report.columns();
    table.groups = report.groupLevels();
    const std::vector<const RowSet*> sets = tableSetsByDepth(report.rows(), table.groups);
    for (const ReportColumn& column : columns) {
        table.headings << column.heading;
        int level = table.groups;
        for (int depth = 0; depth < static_cast<int>(sets.size()) && depth < table.groups; ++depth)
            if (sets[static_cast<size_t>(depth)]->fieldIndex(column.field) >= 0) {
                level = depth;
                break;
            }
        table.columnLevels << level;
    }

    // A value printed as blanks (the standings' " " for a class without placings) is an empty cell.
    auto cellsOf = [&](const std::vector<RowContext>& context) {
        QStringList cells;
        for (const ReportColumn& column : columns) {
            const QString text = ReportLayout::formatValue(ReportBands::lookup(column.field, context));
            cells << (text.trimmed().isEmpty() ? QString() : text);
        }
        return cells;
    };
    for (const ReportBand& band : ReportBands::inOrder(report)) {
        const ReportSection& section = *band.section;
        switch (section.kind) {
        case Kind::GroupHeader: {
            QStringList cells = cellsOf(band.context);
            for (int i = 0; i < cells.size(); ++i)
                if (table.columnLevels[i] != section.level)
                    cells[i].clear();
            table.lines.push_back({LineKind::Group, section.level, cells});
            break;
        }
        case Kind::Detail:
            table.lines.push_back({LineKind::Detail, table.groups, cellsOf(band.context)});
            break;
        default:
            if (section.kind == Kind::GroupFooter && tableHasTotals(section)) {
                QStringList cells = cellsOf(band.context);
                tableAddTotals(report, columns, section, section.level, band.context, table.columnLevels, cells);
                table.lines.push_back({LineKind::Total, section.level, cells});
            }
            break;
        }
    }
    if (const ReportSection* footer = report.sectionOf(Kind::ReportFooter); footer && tableHasTotals(*footer)) {
        QStringList cells;
        for (qsizetype i = 0; i < columns.size(); ++i)
            cells << QString();
        tableAddTotals(report, columns, *footer, -1, {}, table.columnLevels, cells);
        table.lines.push_back({LineKind::Total, -1, cells});
    }
    return table;
}

QList<QStringList> ReportTable::flatRows() const {
    QList<QStringList> rows{headings};
    for (const Line& line : lines)
        if (line.kind != LineKind::Group)
            rows << line.cells;
    return rows;
}

Refusal ReportTable::writeCsvFile(const Report& report, const QString& path) {
    return CheckedFileWriter::write(path, CsvText::encode(of(report).flatRows()));
}
