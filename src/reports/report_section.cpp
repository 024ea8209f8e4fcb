#include "reports/report_section.h"

ReportControl* ReportSection::control(const QString& controlName) {
    for (ReportControl& c : controls)
        if (c.name.compare(controlName, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const ReportControl* ReportSection::control(const QString& controlName) const {
    return const_cast<ReportSection*>(this)->control(controlName);
}
