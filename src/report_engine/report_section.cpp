#include "report_engine/report_section.h"

ReportControl* ReportSection::control(const QString& controlName) {
    for (ReportControl& c : controls)
        if (c.name.compare(controlName, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const ReportControl* ReportSection::control(const QString& controlName) const {
    return const_cast<ReportSection*>(this)->control(controlName);
}

const ReportControl* ReportSection::continuedMarkControl() const {
    const auto carriesText = [](const ReportControl* c) {
        return c && c->visible && (c->kind == ReportControl::Kind::Label || c->kind == ReportControl::Kind::Field);
    };
    if (!continuedControl.isEmpty())
        if (const ReportControl* named = control(continuedControl); carriesText(named))
            return named;
    // The widest text has the most room left for the mark beside it.
    const ReportControl* widest = nullptr;
    for (const ReportControl& c : controls)
        if (carriesText(&c) && (!widest || c.rect.width() > widest->rect.width()))
            widest = &c;
    return widest;
}
