#include "results/results_reports.h"

#include "database/divisions.h"
#include "database/team_list.h"
#include "report_engine/row_shaping.h"
#include "reports/print_registry.h"
#include "reports/report_catalogue.h"
#include "reports/report_preparation.h"
#include "results/high_point.h"
#include "results/result_data.h"
#include "results/standings.h"
#include "ui/run_state.h"

namespace ResultsReports {

namespace {

RowSet standingsRows(const QList<StandingsRow>& standings) {
    QStringList fields{QStringLiteral("TeamName"), QStringLiteral("Division"), QStringLiteral("TotalPoints")};
    for (int c = 1; c <= 17; ++c)
        fields << QStringLiteral("Placings%1").arg(c) << QStringLiteral("Points%1").arg(c);
    RowSet rows(QStringLiteral("Standings"), fields);
    for (const StandingsRow& row : standings) {
        QVariantList values{row.TeamName, row.Division, row.TotalPoints};
        for (size_t c = 1; c <= 17; ++c)
            values << row.Placings[c] << row.Points[c];
        rows.append(values);
    }
    return rows;
}

// Every team's riders and placings, or those of one division's teams.
RowSet riderResultRows(const QSqlDatabase& db, const QString& division) {
    RowSet teams(QStringLiteral("RptTeam"), {"TeamCode", "TeamName", "Division"});
    for (const TeamRow& team : division.isEmpty() ? TeamList::byDivisionAndName(db) : TeamList::ofDivision(db, division))
        teams.append({team.TeamCode, team.TeamName, team.Division});
    const RowSet riders = ResultData::riderLines(db, division, QStringLiteral("RptRider"));
    const RowSet placings = ResultData::placingLines(db, division, QStringLiteral("RptPlacings"));
    const RowSet withPlacings = RowShaping::relate(riders, QStringLiteral("RiderIndex"), placings,
                                                   QStringLiteral("RiderIndex"), QStringLiteral("RptPlacings"));
    return RowShaping::relate(teams, QStringLiteral("TeamCode"), withPlacings, QStringLiteral("TeamCode"),
                              QStringLiteral("RptRider"));
}

RowSet highPointRows(const QList<HighPointRow>& ranked) {
    QStringList fields{QStringLiteral("Place"), QStringLiteral("RiderNumber"), QStringLiteral("Rider"),
                       QStringLiteral("TeamName"), QStringLiteral("TotalPoints")};
    for (int p = 1; p <= 10; ++p)
        fields << QStringLiteral("Places%1").arg(p);
    RowSet rows(QStringLiteral("HighPoint"), fields);
    for (const HighPointRow& row : ranked) {
        QVariantList values{row.Place, row.RiderNumber, row.Rider, row.TeamName, row.TotalPoints};
        for (size_t p = 1; p <= 10; ++p)
            values << row.PlaceCounts[p];
        rows.append(values);
    }
    return rows;
}

// The page header's region and division, the same on every ranking of a division.
void captionRegionAndDivision(Report& report, const RunState& state, const QString& division) {
    report.setCaption(QStringLiteral("PageHeader"), QStringLiteral("lblShow"),
                      QStringLiteral("Region: ") + state.CurrentRegion);
    report.setCaption(QStringLiteral("PageHeader"), QStringLiteral("lblDivision"),
                      QStringLiteral("Division: ") + division);
}

} // namespace

PreparedReport prepareStandings(RunState& state, const PrintRequest& request) {
    const QSqlDatabase db = state.db();
    const QList<TeamRow> teams = TeamList::ofDivision(db, request.division);
    if (teams.isEmpty())
        return PreparedReport::refused(QStringLiteral("There are currently no teams entered."));
    const QList<ResultData::TeamPlacing> placings = ResultData::teamPlacings(db, request.division);
    if (placings.isEmpty())
        return PreparedReport::refused(QStringLiteral("There are currently no placings recorded."));
    std::unique_ptr<Report> report = ReportCatalogue::create(QStringLiteral("RptTeamStandings"));
    report->setDataSource(standingsRows(Standings::Compute_Standings(teams, placings)));
    captionRegionAndDivision(*report, state, request.division);
    ReportPreparation::setClassPictures(state, *report, QStringLiteral("PageHeader"));
    return PreparedReport::of(std::move(report));
}

PreparedReport prepareAllStandings(RunState& state, const PrintRequest&) {
    std::vector<std::unique_ptr<Report>> standings;
    QString refusal = QStringLiteral("There are currently no teams entered.");
    for (const QString& division : Divisions::letters()) {
        PrintRequest ofDivision;
        ofDivision.division = division;
        PreparedReport prepared = prepareStandings(state, ofDivision);
        if (prepared.report)
            standings.push_back(std::move(prepared.report));
        else if (!TeamList::ofDivision(state.db(), division).isEmpty())
            refusal = prepared.message; // teams, but no placings
    }
    return PreparedReport::ofAll(std::move(standings), refusal);
}

PreparedReport prepareHighPoint(RunState& state, const PrintRequest& request) {
    const QSqlDatabase db = state.db();
    if (TeamList::ofDivision(db, request.division).isEmpty())
        return PreparedReport::refused(QStringLiteral("There are currently no teams entered."));
    const QList<ResultData::RiderPlacing> placings = ResultData::riderPlacings(db, request.division);
    if (placings.isEmpty())
        return PreparedReport::refused(QStringLiteral("There are currently no placings recorded."));
    std::unique_ptr<Report> report = ReportCatalogue::create(QStringLiteral("RptHighPoint"));
    report->setDataSource(highPointRows(HighPoint::Rank_Riders(placings)));
    captionRegionAndDivision(*report, state, request.division);
    return PreparedReport::of(std::move(report));
}

PreparedReport prepareRiderResults(RunState& state, const PrintRequest& request) {
    PreparedReport prepared = ReportPreparation::fromRows(
        state, QStringLiteral("RptIndividualResults"),
        [&](const QSqlDatabase& db) { return riderResultRows(db, request.division); },
        QStringLiteral("There are currently no teams or riders entered."));
    if (prepared.report)
        prepared.report->setCaption(QStringLiteral("RptTeam_Header"), QStringLiteral("LblTitle"),
                                    QStringLiteral("Individual Results Report - Region ") + state.CurrentRegion);
    return prepared;
}

void addPrintable(PrintRegistry& registry) {
    // Without a division, every division's standings.
    registry.add({QStringLiteral("standings"), QStringLiteral("RptTeamStandings"), PrintRegistry::Division, 0,
                  [](RunState& state, const PrintRequest& request) {
                      return request.division.isEmpty() ? prepareAllStandings(state, request)
                                                        : prepareStandings(state, request);
                  },
                  PrintRegistry::Division});
    registry.add({QStringLiteral("high-point"), QStringLiteral("RptHighPoint"), PrintRegistry::Division,
                  PrintRegistry::Division, prepareHighPoint});
    registry.add({QStringLiteral("rider-results"), QStringLiteral("RptIndividualResults"), PrintRegistry::Division, 0,
                  prepareRiderResults});
}

} // namespace ResultsReports
