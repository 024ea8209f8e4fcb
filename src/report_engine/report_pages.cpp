#include "report_engine/report_pages.h"

#include <algorithm>
#include <stdexcept>

QStringList LaidOutPage::texts(const QString& control) const {
    QStringList result;
    for (const PlacedItem& item : items)
        if (item.kind == PlacedItem::Kind::Text && item.control == control)
            result << item.text;
    return result;
}

QStringList LaidOutPage::allTexts() const {
    std::vector<const PlacedItem*> sorted;
    for (const PlacedItem& item : items)
        if (item.kind == PlacedItem::Kind::Text)
            sorted.push_back(&item);
    std::stable_sort(sorted.begin(), sorted.end(), [](const PlacedItem* a, const PlacedItem* b) {
        return a->rect.top() != b->rect.top() ? a->rect.top() < b->rect.top() : a->rect.left() < b->rect.left();
    });
    QStringList result;
    for (const PlacedItem* item : sorted)
        result << item->text;
    return result;
}

int LaidOutPage::count(const QString& section, const QString& control) const {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [&](const PlacedItem& item) {
        return item.section == section && (control.isEmpty() || item.control == control);
    }));
}

const PlacedItem* LaidOutPage::first(const QString& control) const {
    for (const PlacedItem& item : items)
        if (item.control == control)
            return &item;
    return nullptr;
}

void LaidOutReport::append(const LaidOutReport& part) {
    if (part.pageSize != pageSize || part.landscape != landscape)
        throw std::invalid_argument("reports printed as one must share their paper");
    pages.insert(pages.end(), part.pages.begin(), part.pages.end());
}
