#include "ui/tab_order.h"

#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
struct Placed {
    QWidget* widget;
    QRect rect; // in the window's coordinates
};

// A control Tab stops at, not a part of another such control.
bool takesTabs(const QWidget* widget, const QWidget* window) {
    if (widget->isWindow() || widget->focusProxy() || !(widget->focusPolicy() & Qt::TabFocus))
        return false;
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (up->focusPolicy() & Qt::TabFocus)
            return false;
    return true;
}
} // namespace

namespace TabOrder {

void followLayout(QWidget* window) {
    std::vector<Placed> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (takesTabs(widget, window))
            controls.push_back({widget, QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())});
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Placed& a, const Placed& b) { return a.rect.top() < b.rect.top(); });
    // Rows, each left to right.
    auto rowStart = controls.begin();
    while (rowStart != controls.end()) {
        auto rowEnd = rowStart + 1;
        while (rowEnd != controls.end() &&
               rowEnd->rect.top() - rowStart->rect.top() < std::min(rowStart->rect.height(), rowEnd->rect.height()) / 2)
            ++rowEnd;
        std::stable_sort(rowStart, rowEnd, [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
        rowStart = rowEnd;
    }
    for (size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1].widget, controls[i].widget);
}

} // namespace TabOrder
