#include "report_engine/report_layout.h"

#include "report_engine/report.h"
#include "report_engine/report_bands.h"
#include "report_engine/text_fit.h"

#include <cmath>

namespace {

using Kind = ReportSection::Kind;

using Band = ReportBand;
using Context = RowContext;

} // namespace

class ReportLayout::Layouter {
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
        m_bands = ReportBands::inOrder(m_report);
    }

    // Every page, placed and numbered.
    LaidOutReport run() {
        m_placing = true;
        layFrom(0, 0, false);
        numberPages(0, m_out.pageCount());
        return std::move(m_out);
    }

    // Where each page's body starts: the whole report run through with heights only, nothing
    // placed. Its size is the page count.
    std::vector<size_t> plan() {
        m_placing = false;
        m_starts = {0};
        layFrom(0, 0, false);
        m_out.pages.clear();
        return std::move(m_starts);
    }

    // Page `index` of `total`, whose body starts at band `start`, placed as run() places it.
    LaidOutPage page(int index, size_t start, int total) {
        m_placing = true;
        m_out.pages.clear();
        layFrom(start, index, true);
        numberPages(index, total);
        LaidOutPage laid = std::move(m_out.pages.front());
        m_out.pages.clear();
        return laid;
    }

    const LaidOutReport& paper() const { return m_out; }

private:
    // Lays the report out from a page's start: the first page opens with the report header, a
    // later one repeats the headers of the groups it continues. With `onePage` it stops where
    // the next page would start.
    void layFrom(size_t start, int index, bool onePage) {
        m_onePage = onePage;
        m_y = ReportLayout::Margin;
        if (index == 0) {
            m_out.pages.emplace_back();
            if (const ReportSection* header = m_report.sectionOf(Kind::ReportHeader))
                place(*header, {});
            placePageHeader();
        } else if (start < m_bands.size()) {
            openPage(m_bands[start].openGroups, m_bands[start].context);
        } else {
            openPage(0, {});
        }
        if (!placeBands(start))
            return;
        if (const ReportSection* footer = m_report.sectionOf(Kind::ReportFooter)) {
            if (m_y + scaled(footer->height) > m_bodyBottom && !m_bodyEmpty && !newPage(m_bands.size(), 0, {}))
                return;
            place(*footer, {});
        }
        finishPage();
    }

    int scaled(int twips) const { return static_cast<int>(std::lround(twips * m_scale)); }

    // A group header stays with the band after it, a group footer with the band before it,
    // so no page ends on a header and none starts with a footer.
    static bool keptTogether(const Band& before, const Band& after) {
        return before.section->kind == Kind::GroupHeader || after.section->kind == Kind::GroupFooter;
    }

    // Bands are placed in runs that are kept together; a run that does not fit goes to the
    // next page, unless the page holds nothing yet (a run taller than a page overflows).
    // Answers false where a single page ends before the bands do.
    bool placeBands(size_t from) {
        for (size_t first = from; first < m_bands.size();) {
            size_t end = first + 1;
            int height = bandHeight(m_bands[first]);
            for (; end < m_bands.size() && keptTogether(m_bands[end - 1], m_bands[end]); ++end)
                height += bandHeight(m_bands[end]);
            const Band& lead = m_bands[first];
            const bool breakBefore = lead.section->kind == Kind::GroupHeader && lead.section->newPageBefore;
            if (!m_bodyEmpty && (breakBefore || m_y + height > m_bodyBottom) &&
                !newPage(first, lead.openGroups, lead.context))
                return false;
            for (size_t i = first; i < end; ++i)
                place(*m_bands[i].section, m_bands[i].context);
            first = end;
        }
        return true;
    }

    // Ends the page and starts the next, whose body starts at band `start`; answers false,
    // with the page ended, when a single page is laid out.
    bool newPage(size_t start, int openGroups, const std::vector<Context>& context) {
        finishPage();
        if (m_onePage)
            return false;
        if (!m_placing)
            m_starts.push_back(start);
        openPage(openGroups, context);
        return true;
    }

    // Starts a page and repeats the headers of the groups it continues, outermost first.
    void openPage(int openGroups, const std::vector<Context>& context) {
        if (m_placing || m_out.pages.empty()) // while planning, one empty page stands for each
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
    // Planning the pages only moves down by the section's height.
    void place(const ReportSection& section, const std::vector<Context>& context, bool continued = false) {
        const int grow = growth(section, context);
        if (m_placing)
            placeControls(section, context, grow, continued);
        m_y += scaled(section.height) + grow;
        if (section.kind != Kind::PageHeader && section.kind != Kind::PageFooter)
            m_bodyEmpty = false;
    }

    void placeControls(const ReportSection& section, const std::vector<Context>& context, int grow, bool continued) {
        LaidOutPage& page = m_out.pages.back();
        const ReportControl* marked = continued ? section.continuedMarkControl() : nullptr;
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
    }

    // The pages laid out now are pages `first` on of `total`.
    void numberPages(int first, int total) {
        const QString count = QString::number(total);
        for (const auto& [page, index] : m_numbered) {
            QString& text = m_out.pages[static_cast<size_t>(page)].items[static_cast<size_t>(index)].text;
            text.replace(QLatin1String("%p"), QString::number(first + page + 1)).replace(QLatin1String("%P"), count);
        }
        m_numbered.clear();
    }

    const Report& m_report;
    LaidOutReport m_out;
    double m_scale = 1;
    int m_bodyBottom = 0;
    int m_y = 0;
    bool m_bodyEmpty = true;
    bool m_placing = true;  // false while planning: heights only
    bool m_onePage = false; // laying out a single page
    std::vector<Band> m_bands;
    std::vector<size_t> m_starts; // while planning: the band each page's body starts at
    std::vector<std::pair<int, int>> m_numbered;
};

LaidOutReport ReportLayout::layout(const Report& report) { return Layouter(report).run(); }

ReportLayout::ReportLayout(const Report& report)
    : m_layouter(std::make_unique<Layouter>(report)), m_starts(m_layouter->plan()) {}

ReportLayout::~ReportLayout() = default;

const LaidOutReport& ReportLayout::paper() const {
    return m_layouter->paper();
}

LaidOutPage ReportLayout::page(int index) const {
    return m_layouter->page(index, m_starts.at(static_cast<size_t>(index)), pageCount());
}

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
