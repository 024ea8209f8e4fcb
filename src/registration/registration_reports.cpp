#include "registration/registration_reports.h"

#include "registration/coach_data.h"
#include "registration/rider_data.h"
#include "registration/team_data.h"
#include "reports/frm_report_preview.h"
#include "reports/print_registry.h"
#include "reports/report_data_source.h"
#include "reports/report_catalogue.h"
#include "reports/row_shaping.h"
#include "ui/run_state.h"
#include "ui/db_error_reporter.h"
#include "ui/messages.h"

namespace RegistrationReports {

namespace {
const QString CoachCommand = QStringLiteral("TeamCoachsReport");
const QString RiderCommand = QStringLiteral("RiderListReports_Grouping");

RowSet coachRows(const QSqlDatabase& db) {
    RowSet teams(CoachCommand, {"TeamCode", "TeamName", "Division", "District"});
    for (const TeamRow& team : TeamData::byDivisionAndName(db))
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
    return RowShaping::group(riders, {QStringLiteral("Division"), QStringLiteral("TeamName")}, RiderCommand);
}

PreparedReport prepare(RunState& state, const QString& reportName, const QString& command,
                       const ReportDataSource::Source& source, const QString& noRowsMessage) {
    ReportDataSource& data = ReportDataSource::of(state);
    data.close(command);
    data.open(command, source);
    if (data.noRows(command)) {
        data.close(command);
        return PreparedReport::refused(noRowsMessage);
    }
    std::unique_ptr<Report> report = ReportCatalogue::create(reportName);
    report->bindCommand(data);
    return PreparedReport::of(std::move(report));
}

QWidget* show(RunState& state, QWidget* owner, PreparedReport (*prepareList)(RunState&, const PrintRequest&)) {
    PreparedReport prepared;
    if (!runReportingDbErrors(state.messages, [&] { prepared = prepareList(state, PrintRequest{}); }))
        return nullptr;
    if (!prepared.report) {
        state.messages.notice(Messages::appTitle(), prepared.message);
        return nullptr;
    }
    return FrmReportPreview::Show(state, std::move(prepared.report), owner);
}
} // namespace

PreparedReport prepareCoachList(RunState& state, const PrintRequest&) {
    return prepare(state, QStringLiteral("RptCoachList"), CoachCommand, coachRows,
                   QStringLiteral("There are currently no coaches entered."));
}

PreparedReport prepareRiderList(RunState& state, const PrintRequest&) {
    return prepare(state, QStringLiteral("RptRiderList"), RiderCommand, riderRows,
                   QStringLiteral("There are currently no riders entered."));
}

QWidget* showCoachList(RunState& state, QWidget* owner) {
    return show(state, owner, prepareCoachList);
}
QWidget* showRiderList(RunState& state, QWidget* owner) {
    return show(state, owner, prepareRiderList);
}

} // namespace RegistrationReports
