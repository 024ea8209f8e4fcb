#include "registration/registration_reports.h"

#include "registration/coach_data.h"
#include "registration/rider_data.h"
#include "registration/team_data.h"
#include "report_engine/row_shaping.h"
#include "reports/print_registry.h"
#include "reports/report_preparation.h"

namespace RegistrationReports {

namespace {

RowSet coachRows(const QSqlDatabase& db) {
    RowSet teams(QStringLiteral("Teams"), {"TeamCode", "TeamName", "Division", "District"});
    for (const TeamRow& team : TeamList::byDivisionAndName(db))
        teams.append({team.TeamCode, team.TeamName, team.Division, team.District});
    RowSet coaches(QStringLiteral("CoachList"), {"Coach", "FirstName", "LastName", "Address", "City", "Zip", "Primary",
                                                 "Secondary", "Email", "Position", "TeamCode", "CoachCode"});
    for (const CoachRow& c : CoachData::all(db))
        coaches.append({c.FirstName + u' ' + c.LastName, c.FirstName, c.LastName, c.Address, c.City, c.Zip, c.Primary,
                        c.Secondary, c.Email, c.Position, c.TeamCode, c.CoachCode});
    return RowShaping::relate(teams, QStringLiteral("TeamCode"), coaches, QStringLiteral("TeamCode"),
                              QStringLiteral("CoachList"));
}

RowSet riderRows(const QSqlDatabase& db) {
    RowSet riders(QStringLiteral("RiderListReports"), {"Person", "Division", "TeamName", "RiderNumber", "FirstName",
                                                       "LastName", "Address", "City", "Zip", "TeamCode", "RiderIndex"});
    for (const RiderListRow& listed : RiderData::completeList(db)) {
        const RiderRow& r = listed.rider;
        riders.append({r.FirstName + u' ' + r.LastName, listed.Division, listed.TeamName, r.RiderNumber, r.FirstName,
                       r.LastName, r.Address, r.City, r.Zip, r.TeamCode, r.RiderIndex});
    }
    return RowShaping::group(riders, {QStringLiteral("Division"), QStringLiteral("TeamName")}, QStringLiteral("RiderGroups"));
}

} // namespace

PreparedReport prepareCoachList(RunState& state, const PrintRequest&) {
    return ReportPreparation::fromRows(state, QStringLiteral("RptCoachList"), coachRows,
                                       QStringLiteral("There are currently no coaches entered."));
}

PreparedReport prepareRiderList(RunState& state, const PrintRequest&) {
    return ReportPreparation::fromRows(state, QStringLiteral("RptRiderList"), riderRows,
                                       QStringLiteral("There are currently no riders entered."));
}

QWidget* showCoachList(RunState& state, QWidget* owner) {
    return ReportPreparation::show(state, [&] { return prepareCoachList(state, {}); }, owner);
}
QWidget* showRiderList(RunState& state, QWidget* owner) {
    return ReportPreparation::show(state, [&] { return prepareRiderList(state, {}); }, owner);
}

void addPrintable(PrintRegistry& registry) {
    registry.add({QStringLiteral("coach-list"), QStringLiteral("RptCoachList"), 0, 0, prepareCoachList});
    registry.add({QStringLiteral("rider-list"), QStringLiteral("RptRiderList"), 0, 0, prepareRiderList});
}

} // namespace RegistrationReports
