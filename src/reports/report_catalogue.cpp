#include "reports/report_catalogue.h"

#include "reports/catalogue_layouts.h"

namespace {

struct Entry {
    const char* name;
    const char* title; // the preview window's caption
    bool closesActivity;
    void (*layout)(Report&);
};

// Closing a preview closes, for the reports that an activity window opens and then leaves,
// that activity.
const Entry Entries[] = {
    {"RptClassEntries", "Class Sheet", false, CatalogueLayouts::classEntries},
    {"RptClassEntries17", "Class Sheet", false, CatalogueLayouts::classEntries17},
    {"RptCoachList", "Complete Coach's List", false, CatalogueLayouts::coachList},
    {"RptRiderList", "Complete Rider's List", false, CatalogueLayouts::riderList},
    {"RptSlotSheets", "Slot Sheets", false, CatalogueLayouts::slotSheets},
    {"RptJudgeAgenda", "Judging Assignment List", false, CatalogueLayouts::judgeAgenda},
    {"RptJudgesCards", "Judges Cards", true, CatalogueLayouts::judgesCards},
    {"RptIndividualResults", "Individual Results", true, CatalogueLayouts::individualResults},
    {"RptTeamStandings", "Team Standings", true, CatalogueLayouts::teamStandings},
    {"RptHighPoint", "High-Point Riders", true, CatalogueLayouts::highPointRiders},
};

} // namespace

namespace ReportCatalogue {

QStringList names() {
    QStringList result;
    for (const Entry& entry : Entries)
        result << QLatin1String(entry.name);
    return result;
}

std::unique_ptr<Report> create(const QString& name) {
    for (const Entry& entry : Entries) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) != 0)
            continue;
        auto report = std::make_unique<Report>(QLatin1String(entry.name));
        report->setTitle(QLatin1String(entry.title));
        report->setClosesActivity(entry.closesActivity);
        entry.layout(*report);
        return report;
    }
    return nullptr;
}

} // namespace ReportCatalogue
