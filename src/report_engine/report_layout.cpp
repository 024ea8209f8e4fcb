#include "report_engine/report_layout.h"

#include "report_engine/report.h"
#include "report_engine/report_bands.h"
#include "report_engine/text_fit.h"

#include <cmath>

namespace {

using Kind = ReportSection::Kind;

using Band = ReportBand;
using Context = RowContext;

class Layouter {
public:
    explicit Layouter(const Report& report) : m_report(report) {
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
            place(*header, {});
        placePageHeader();

        m_bands = ReportBands::inOrder(m_report);
        placeBands();

        if (const ReportSection* footer = m_report.sectionOf(Kind::ReportFooter)) {
            if (m_y + scaled(footer->height) > m_bodyBottom && !m_bodyEmpty)
                newPage(0, {});
            place(*footer, {});
        }
        finishPage();
        numberPages();
        return std::move(m_out);
    }

private:
    int scaled(int twips) const { return static_cast<int>(std::lround(twips * m_scale)); }

    // A group header stays with the band after it, a group footer with the band before it,
    // so no page ends on a header and none starts with a footer.
    static bool keptTogether(const Band& before, const Band& after) {
        return before.section->kind == Kind::GroupHeader || after.section->kind == Kind::GroupFooter;
    }

    // Bands are placed in runs that are kept together; a run that does not fit goes to the
    // next page, unless the page holds nothing yet (a run taller than a page overflows).
    void placeBands() {
        for (size_t first = 0; first < m_bands.size();) {
            size_t end = first + 1;
            int height = bandHeight(m_bands[first]);
            for (; end < m_bands.size() && keptTogether(m_bands[end - 1], m_bands[end]); ++end)
                height += bandHeight(m_bands[end]);
            const Band& lead = m_bands[first];
            const bool breakBefore = lead.section->kind == Kind::GroupHeader && lead.section->newPageBefore;
            if (!m_bodyEmpty && (breakBefore || m_y + height > m_bodyBottom))
                newPage(lead.openGroups, lead.context);
            for (size_t i = first; i < end; ++i)
                place(*m_bands[i].section, m_bands[i].context);
            first = end;
        }
    }

    // Starts a page and repeats the headers of the groups it continues, outermost first.
    void newPage(int openGroups, const std::vector<Context>& context) {
        finishPage();
        m_out.pages.emplace_back();
        m_y = ReportLayout::Margin;
        placePageHeader();
        for (int level = 0; level < openGroups; ++level)
            if (const ReportSection* header = m_report.sectionOf(Kind::GroupHeader, level))
                place(*header, {context.begin(), context.begin() + level + 1}, true);
        m_bodyEmpty = true; // repeated headers alone never call for another page
    }

    void placePageHeader() {
        if (const ReportSection* header = m_report.sectionOf(Kind::PageHeader))
            place(*header, {});
        m_bodyEmpty = true;
    }

    void finishPage() {
        if (const ReportSection* footer = m_report.sectionOf(Kind::PageFooter)) {
            m_y = m_out.pageSize.height() - ReportLayout::Margin - scaled(footer->height);
            place(*footer, {});
        }
    }

    int bandHeight(const Band& band) const {
        return scaled(band.section->height) + growth(*band.section, band.context);
    }

    // How much taller than designed a section prints with these rows: the room that its
    // growing fields need, at the smallest readable size, beyond their places.
    int growth(const ReportSection& section, const std::vector<Context>& context) const {
        int grow = 0;
        for (const ReportControl& control : section.controls) {
            if (!control.visible || !control.canGrow || control.kind != ReportControl::Kind::Field)
                continue;
            const QString text = ReportLayout::formatValue(ReportBands::lookup(control.field, context));
            if (text.isEmpty())
                continue;
            ReportFont font = control.font;
            font.points *= m_scale;
            const QSizeF place(scaled(control.rect.width()), scaled(control.rect.height()));
            if (const FittedText fitted = TextFit::fit(text, font, place); fitted.readable && !fitted.shortened)
                continue;
            const double needed = TextFit::readableHeight(text, font, place.width());
            grow = std::max(grow, static_cast<int>(std::ceil(needed)) - scaled(control.rect.height()));
        }
        return grow;
    }

    // The design height from which a section grows: the foot of its highest growing field.
    static int growsFrom(const ReportSection& section) {
        int from = section.height;
        for (const ReportControl& control : section.controls)
            if (control.visible && control.canGrow)
                from = std::min(from, control.rect.y() + control.rect.height());
        return from;
    }

    // Places a section at the current height. `context` holds the rows it reads; a group
    // header repeated on a continuing page carries the continued mark. In a section that
    // grows, the growing fields take the extra height, what lies below them moves down and
    // what reaches from above them to the section's foot (column rules) stretches.
    void place(const ReportSection& section, const std::vector<Context>& context, bool continued = false) {
        LaidOutPage& page = m_out.pages.back();
        const ReportControl* marked = continued ? section.continuedMarkControl() : nullptr;
        const int grow = growth(section, context);
        const int from = grow > 0 ? growsFrom(section) : section.height;
        for (const ReportControl& control : section.controls) {
            if (!control.visible)
                continue;
            const bool below = control.rect.y() >= from;
            const bool stretched =
                control.canGrow || (!below && control.rect.y() + control.rect.height() >= section.height);
            PlacedItem item;
            item.rect = QRect(ReportLayout::Margin + scaled(control.rect.x()),
                              m_y + scaled(control.rect.y()) + (below ? grow : 0), scaled(control.rect.width()),
                              scaled(control.rect.height()) + (stretched ? grow : 0));
            item.font = control.font;
            item.font.points *= m_scale;
            item.alignment = control.alignment;
            item.lineWidth = std::max(1, scaled(control.lineWidth));
            item.section = section.name;
            item.control = control.name;
            switch (control.kind) {
            case ReportControl::Kind::Label:
                item.text = control.caption;
                break;
            case ReportControl::Kind::Field:
                item.text = ReportLayout::formatValue(ReportBands::lookup(control.field, context));
                break;
            case ReportControl::Kind::Sum:
            case ReportControl::Kind::Count:
                item.text = ReportBands::aggregate(m_report, control, context);
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
            if (&control == marked)
                item.text = item.text.isEmpty() ? QString(ReportLayout::ContinuedMark)
                                                : item.text + u' ' + ReportLayout::ContinuedMark;
            if (control.kind == ReportControl::Kind::Label &&
                (item.text.contains(QLatin1String("%p")) || item.text.contains(QLatin1String("%P"))))
                m_numbered.push_back({static_cast<int>(m_out.pages.size()) - 1, static_cast<int>(page.items.size())});
            page.items.push_back(std::move(item));
        }
        m_y += scaled(section.height) + grow;
        if (section.kind != Kind::PageHeader && section.kind != Kind::PageFooter)
            m_bodyEmpty = false;
    }

    void numberPages() {
        const QString total = QString::number(m_out.pageCount());
        for (const auto& [page, index] : m_numbered) {
            QString& text = m_out.pages[static_cast<size_t>(page)].items[static_cast<size_t>(index)].text;
            text.replace(QLatin1String("%p"), QString::number(page + 1)).replace(QLatin1String("%P"), total);
        }
    }

    const Report& m_report;
    LaidOutReport m_out;
    double m_scale = 1;
    int m_bodyBottom = 0;
    int m_y = 0;
    bool m_bodyEmpty = true;
    std::vector<Band> m_bands;
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
