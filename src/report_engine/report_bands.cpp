#include "report_engine/report_bands.h"

#include "report_engine/report.h"
#include "report_engine/report_layout.h"

#include <functional>

namespace {

using Kind = ReportSection::Kind;

void collectBands(const Report& report, int groups, const RowSet& set, int depth, std::vector<RowContext>& path,
                  std::vector<ReportBand>& bands) {
    for (const ReportRow& row : set.rows()) {
        path.push_back({&set, &row});
        if (depth < groups) {
            if (const ReportSection* header = report.sectionOf(Kind::GroupHeader, depth))
                bands.push_back({header, path, depth});
            if (row.children)
                collectBands(report, groups, *row.children, depth + 1, path, bands);
            if (const ReportSection* footer = report.sectionOf(Kind::GroupFooter, depth))
                bands.push_back({footer, path, depth + 1});
        } else if (const ReportSection* detail = report.sectionOf(Kind::Detail)) {
            bands.push_back({detail, path, groups});
        }
        path.pop_back();
    }
}

} // namespace

namespace ReportBands {

std::vector<ReportBand> inOrder(const Report& report) {
    std::vector<ReportBand> bands;
    std::vector<RowContext> path;
    collectBands(report, report.groupLevels(), report.rows(), 0, path, bands);
    return bands;
}

QVariant lookup(const QString& field, const std::vector<RowContext>& context) {
    for (auto it = context.rbegin(); it != context.rend(); ++it) {
        const int index = it->set->fieldIndex(field);
        if (index >= 0)
            return it->row->values.at(index);
    }
    return {};
}

QString aggregate(const Report& report, const ReportControl& control, const std::vector<RowContext>& context) {
    const int groups = report.groupLevels();
    double sum = 0;
    int count = 0;
    const std::function<void(const RowSet&, int)> visit = [&](const RowSet& set, int level) {
        const int index = set.fieldIndex(control.field);
        for (const ReportRow& row : set.rows()) {
            if (row.children && level < groups) {
                visit(*row.children, level + 1);
            } else if (index >= 0 && !row.values.at(index).isNull()) {
                sum += row.values.at(index).toDouble();
                ++count;
            }
        }
    };
    const ReportRow* scope = context.empty() ? nullptr : context.back().row;
    if (scope && scope->children)
        visit(*scope->children, static_cast<int>(context.size()));
    else if (!scope)
        visit(report.rows(), 0);
    if (control.kind == ReportControl::Kind::Count)
        return QString::number(count);
    return ReportLayout::formatValue(sum);
}

} // namespace ReportBands
