#include "reports/report_layout.h"

#include "reports/report.h"

#include <cmath>
#include <functional>

namespace {

using Kind = ReportSection::Kind;

class Layouter {
public:
    explicit Layouter(const Report& report) : m_report(report), m_groups(report.groupLevels()) {
        m_out.title = report.title();
        m_out.landscape = report.landscape();
        m_out.pageSize = m_out.landscape ? QSize(ReportLayout::PaperLongSide, ReportLayout::PaperShortSide)
                                         : QSize(ReportLayout::PaperShortSide, ReportLayout::PaperLongSide);
        const int printable = ReportLayout::printableWidth(m_out.landscape);
        if (report.designWidth() > printable)
            m_scale = static_cast<double>(printable) / report.designWidth();
        const ReportSection* footer = report.sectionOf(Kind::PageFooter);
        m_bodyBottom = m_out.pageSize.height() - ReportLayout::Margin - scaled(footer ? footer->height : 0);
    }

    LaidOutReport run() {
        m_out.pages.emplace_back();
        m_y = ReportLayout::Margin;
        if (const ReportSection* header = m_report.sectionOf(Kind::ReportHeader))
            place(*header, nullptr);
        placePageHeader();

        const RowSet& rows = m_report.rows();
        walk(rows, 0);

        if (const ReportSection* footer = m_report.sectionOf(Kind::ReportFooter)) {
            ensureSpace(scaled(footer->height));
            place(*footer, nullptr);
        }
        finishPage();
        numberPages();
        return std::move(m_out);
    }

private:
    struct Context {
        const RowSet* set;
        const ReportRow* row;
    };

    int scaled(int twips) const { return static_cast<int>(std::lround(twips * m_scale)); }

    void walk(const RowSet& set, int depth) {
        for (const ReportRow& row : set.rows()) {
            m_context.push_back({&set, &row});
            if (depth < m_groups) {
                if (const ReportSection* header = m_report.sectionOf(Kind::GroupHeader, depth)) {
                    if (header->newPageBefore && !m_bodyEmpty)
                        newPage();
                    ensureSpace(leadHeight(row, depth));
                    place(*header, &row);
                }
                if (row.children)
                    walk(*row.children, depth + 1);
                if (const ReportSection* footer = m_report.sectionOf(Kind::GroupFooter, depth)) {
                    ensureSpace(scaled(footer->height));
                    place(*footer, &row);
                }
            } else if (const ReportSection* detail = m_report.sectionOf(Kind::Detail)) {
                ensureSpace(scaled(detail->height));
                place(*detail, &row);
            }
            m_context.pop_back();
        }
    }

    // Height of the bands that must share a page with the group header of `row`: the
    // header itself and the first line under it (or its footer when it has no rows).
    int leadHeight(const ReportRow& row, int depth) const {
        if (depth >= m_groups) {
            const ReportSection* detail = m_report.sectionOf(Kind::Detail);
            return detail ? scaled(detail->height) : 0;
        }
        const ReportSection* header = m_report.sectionOf(Kind::GroupHeader, depth);
        const ReportSection* footer = m_report.sectionOf(Kind::GroupFooter, depth);
        int height = header ? scaled(header->height) : 0;
        if (row.children && !row.children->isEmpty())
            height += leadHeight(row.children->at(0), depth + 1);
        else if (footer)
            height += scaled(footer->height);
        return height;
    }

    void ensureSpace(int height) {
        if (m_y + height > m_bodyBottom && !m_bodyEmpty)
            newPage();
    }

    void newPage() {
        finishPage();
        m_out.pages.emplace_back();
        m_y = ReportLayout::Margin;
        placePageHeader();
    }

    void placePageHeader() {
        if (const ReportSection* header = m_report.sectionOf(Kind::PageHeader))
            place(*header, nullptr);
        m_bodyEmpty = true;
    }

    void finishPage() {
        if (const ReportSection* footer = m_report.sectionOf(Kind::PageFooter)) {
            m_y = m_out.pageSize.height() - ReportLayout::Margin - scaled(footer->height);
            place(*footer, nullptr);
        }
    }

    void place(const ReportSection& section, const ReportRow* scope) {
        LaidOutPage& page = m_out.pages.back();
        for (const ReportControl& control : section.controls) {
            if (!control.visible)
                continue;
            PlacedItem item;
            item.rect = QRect(ReportLayout::Margin + scaled(control.rect.x()), m_y + scaled(control.rect.y()),
                              scaled(control.rect.width()), scaled(control.rect.height()));
            item.font = control.font;
            item.font.points *= m_scale;
            item.alignment = control.alignment;
            item.lineWidth = std::max(1, scaled(control.lineWidth));
            item.section = section.name;
            item.control = control.name;
            switch (control.kind) {
            case ReportControl::Kind::Label:
                item.text = control.caption;
                if (item.text.contains(QLatin1String("%p")) || item.text.contains(QLatin1String("%P")))
                    m_numbered.push_back({static_cast<int>(m_out.pages.size()) - 1, static_cast<int>(page.items.size())});
                break;
            case ReportControl::Kind::Field:
                item.text = ReportLayout::formatValue(lookup(control.field));
                break;
            case ReportControl::Kind::Sum:
            case ReportControl::Kind::Count:
                item.text = aggregate(control, scope);
                break;
            case ReportControl::Kind::Image:
                if (control.image.isNull())
                    continue;
                item.kind = PlacedItem::Kind::Image;
                item.image = control.image;
                break;
            case ReportControl::Kind::Line:
                item.kind = PlacedItem::Kind::Line;
                break;
            case ReportControl::Kind::Box:
                item.kind = PlacedItem::Kind::Box;
                break;
            }
            page.items.push_back(std::move(item));
        }
        m_y += scaled(section.height);
        if (section.kind != Kind::PageHeader && section.kind != Kind::PageFooter)
            m_bodyEmpty = false;
    }

    QVariant lookup(const QString& field) const {
        for (auto it = m_context.rbegin(); it != m_context.rend(); ++it) {
            const int index = it->set->fieldIndex(field);
            if (index >= 0)
                return it->row->values.at(index);
        }
        return {};
    }

    // Sum or count of `field` over the deepest rows under the group row (or the whole report).
    QString aggregate(const ReportControl& control, const ReportRow* scope) const {
        double sum = 0;
        int count = 0;
        const std::function<void(const RowSet&, int)> visit = [&](const RowSet& set, int depth) {
            const int index = set.fieldIndex(control.field);
            for (const ReportRow& row : set.rows()) {
                if (row.children && depth < m_groups) {
                    visit(*row.children, depth + 1);
                } else if (index >= 0 && !row.values.at(index).isNull()) {
                    sum += row.values.at(index).toDouble();
                    ++count;
                }
            }
        };
        const int depth = static_cast<int>(m_context.size());
        if (scope && scope->children)
            visit(*scope->children, depth);
        else if (!scope)
            visit(m_report.rows(), 0);
        if (control.kind == ReportControl::Kind::Count)
            return QString::number(count);
        return ReportLayout::formatValue(sum);
    }

    void numberPages() {
        const QString total = QString::number(m_out.pageCount());
        for (const auto& [page, index] : m_numbered) {
            QString& text = m_out.pages[static_cast<size_t>(page)].items[static_cast<size_t>(index)].text;
            text.replace(QLatin1String("%p"), QString::number(page + 1)).replace(QLatin1String("%P"), total);
        }
    }

    const Report& m_report;
    const int m_groups;
    LaidOutReport m_out;
    double m_scale = 1;
    int m_bodyBottom = 0;
    int m_y = 0;
    bool m_bodyEmpty = true;
    std::vector<Context> m_context;
    std::vector<std::pair<int, int>> m_numbered;
};

} // namespace

LaidOutReport ReportLayout::layout(const Report& report) { return Layouter(report).run(); }

int ReportLayout::printableWidth(bool landscape) {
    return (landscape ? PaperLongSide : PaperShortSide) - 2 * Margin;
}

QString ReportLayout::formatValue(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::abs(number - std::round(number)) < 1e-9)
            return QString::number(static_cast<qlonglong>(std::llround(number)));
        QString text = QString::number(number, 'f', 2);
        while (text.endsWith(u'0'))
            text.chop(1);
        return text;
    }
    default:
        return value.toString();
    }
}
