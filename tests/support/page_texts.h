#pragma once

#include "report_engine/paged_report.h"
#include "report_engine/report.h"
#include "report_engine/report_pages.h"

#include <QStringList>
#include <algorithm>
#include <initializer_list>

// The texts of a control over every page, in page order; without a control, every text of
// every page, each page top to bottom.
inline QStringList pageTexts(const LaidOutReport& laid, const QString& control = QString()) {
    QStringList all;
    for (const LaidOutPage& page : laid.pages)
        all << (control.isEmpty() ? page.allTexts() : page.texts(control));
    return all;
}

// Where two layouts first differ ("page 3, item 5 (txtRider)"); empty when every page holds the
// same items at the same places.
inline QString layoutDifference(const LaidOutReport& a, const LaidOutReport& b) {
    if (a.title != b.title || a.pageSize != b.pageSize || a.landscape != b.landscape || a.pageCount() != b.pageCount())
        return QStringLiteral("paper or page count");
    for (size_t p = 0; p < a.pages.size(); ++p) {
        const std::vector<PlacedItem>& x = a.pages[p].items;
        const std::vector<PlacedItem>& y = b.pages[p].items;
        for (size_t i = 0; i < std::max(x.size(), y.size()); ++i)
            if (i >= x.size() || i >= y.size() || x[i].kind != y[i].kind || x[i].rect != y[i].rect ||
                x[i].text != y[i].text || x[i].image != y[i].image || x[i].font.family != y[i].font.family ||
                x[i].font.points != y[i].font.points || x[i].font.bold != y[i].font.bold ||
                x[i].font.italic != y[i].font.italic || x[i].alignment != y[i].alignment ||
                x[i].lineWidth != y[i].lineWidth || x[i].section != y[i].section || x[i].control != y[i].control)
                return QStringLiteral("page %1, item %2 (%3)")
                    .arg(p + 1)
                    .arg(i)
                    .arg(i < x.size() ? x[i].control : QString());
    }
    return {};
}

// The pages of the parts printed as one, asked for last to first, as a preview scrolled from
// its end lays them out.
inline LaidOutReport laidOutBackwards(std::initializer_list<const Report*> parts) {
    PagedReport paged;
    for (const Report* part : parts)
        paged.append(*part);
    for (int p = paged.pageCount() - 1; p >= 0; --p)
        paged.page(p);
    return paged.all();
}
