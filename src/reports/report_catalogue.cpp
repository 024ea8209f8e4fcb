#include "reports/report_catalogue.h"

#include "reports/catalogue_layouts.h"

namespace {

struct Entry {
    const char* name;
    const char* title;   // the preview window's caption
    const char* command; // the data member; empty for rows the opening window supplies
    bool closesActivity;
    void (*layout)(Report&);
};

// Closing a preview closes the report's command rows (when it has a command) and, for
// the reports that an activity window opens and then leaves, that activity.
const Entry Entries[] = {
    {"RptClassEntries", "Class Sheet", "ClassEntryReports", false, CatalogueLayouts::classEntries},
    {"RptClassEntries17", "Class Sheet", "ClassEntryReports17", false, CatalogueLayouts::classEntries17},
    {"RptCoachList", "Complete Coach's List", "TeamCoachsReport", false, CatalogueLayouts::coachList},
    {"RptRiderList", "Complete Rider's List", "RiderListReports_Grouping", false, CatalogueLayouts::riderList},
    {"RptSlotSheets", "Slot Sheets", "SlotSheetsReport_Grouping", false, CatalogueLayouts::slotSheets},
    {"RptJudgeAgenda", "Judging Assignment List", "JudgeAgenda_Grouping", false, CatalogueLayouts::judgeAgenda},
    {"RptJudgesCards", "Judges Cards", "", true, CatalogueLayouts::judgesCards},
    {"RptIndividualResults", "Individual Results", "RptTeam", true, CatalogueLayouts::individualResults},
    {"RptTeamStandings", "Team Standings", "", true, CatalogueLayouts::teamStandings},
    {"RptHighPoint", "High-Point Riders", "", true, CatalogueLayouts::highPointRiders},
};

} // namespace

namespace ReportCatalogue {

QStringList names() {
    QStringList result;
    for (const Entry& entry : Entries)
        result << QLatin1String(entry.name);
    return result;
}

QStringList commands() {
    QStringList result;
    for (const Entry& entry : Entries)
        if (*entry.command != '\0' && !result.contains(QLatin1String(entry.command)))
            result << QLatin1String(entry.command);
    return result;
}

std::unique_ptr<Report> create(const QString& name) {
    for (const Entry& entry : Entries) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) != 0)
            continue;
        auto report = std::make_unique<Report>(QLatin1String(entry.name));
        report->setTitle(QLatin1String(entry.title));
        report->setDataMember(QLatin1String(entry.command));
        report->setEnding(*entry.command != '\0', entry.closesActivity);
        entry.layout(*report);
        return report;
    }
    return nullptr;
}

} // namespace ReportCatalogue
