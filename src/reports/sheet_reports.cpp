#include "reports/sheet_reports.h"

#include "database/class_data.h"
#include "database/class_lineup.h"
#include "database/team_list.h"
#include "labels/label_files.h"
#include "report_engine/row_shaping.h"
#include "reports/print_registry.h"
#include "reports/report_preparation.h"
#include "reports/sheet_data.h"
#include "ui/program_random.h"
#include "ui/run_state.h"

#include <algorithm>

namespace SheetReports {

namespace {

const QString SlotHeader = QStringLiteral("SlotSheetsReport_Grouping_Header");
const QString NoRidersOfTeam = QStringLiteral("There are currently no riders for the selected team.");

bool isTimedClass(int classNumber) { return classNumber >= 14 && classNumber <= 16; }

RowSet classSheetRows(const QList<SheetData::ClassEntryLine>& lines) {
    RowSet rows(QStringLiteral("ClassEntryReports"), {"RiderNum", "Firstname", "LastName", "TeamName", "PartnerNumber",
                                                      "PartnerFirst", "PartnerLast"});
    for (const SheetData::ClassEntryLine& l : lines)
        rows.append({l.RiderNumber, l.FirstName, l.LastName, l.TeamName, l.PartnerNumber, l.PartnerFirst, l.PartnerLast});
    return rows;
}

// One group per team (by its key, so two teams of one name stay apart), riders under it.
RowSet slotSheetRows(const QList<SheetData::SlotLine>& lines) {
    RowSet riders(QStringLiteral("SlotSheetsReport"),
                  {"TeamCode", "TeamName", "Division", "FirstName", "LastName", "RiderNumber"});
    for (const SheetData::SlotLine& l : lines)
        riders.append({l.TeamCode, l.TeamName, l.Division, l.FirstName, l.LastName, l.RiderNumber});
    return RowShaping::group(riders, {QStringLiteral("TeamCode"), QStringLiteral("TeamName"), QStringLiteral("Division")},
                             QStringLiteral("SlotSheetsReport_Grouping"));
}

// The title and the column heads: each class's report label image by class number, then
// the relay partner image.
void labelSlotHeader(RunState& state, Report& report) {
    report.setCaption(SlotHeader, QStringLiteral("LblTitle"), QStringLiteral("Region ") + state.CurrentRegion);
    ReportPreparation::setClassPictures(state, report, SlotHeader);
    report.setPicture(SlotHeader, QStringLiteral("RelayPartner"),
                      LabelFiles::path(state.ProgramFolder, LabelFiles::reportPrefix(), LabelFiles::relayPartnerImage()));
}

PreparedReport slotSheets(RunState& state, const ReportDataSource::Source& source, const QString& noRowsMessage) {
    PreparedReport prepared =
        ReportPreparation::fromRows(state, QStringLiteral("RptSlotSheets"), source, noRowsMessage);
    if (prepared.report)
        labelSlotHeader(state, *prepared.report);
    return prepared;
}

PreparedReport slotSheetsOfTeams(RunState& state, const QList<qint32>& teamCodes) {
    return slotSheets(
        state,
        [&](const QSqlDatabase& db) {
            QList<SheetData::SlotLine> lines;
            for (const qint32 teamCode : teamCodes)
                lines << SheetData::slotLinesOfTeam(db, teamCode);
            return slotSheetRows(lines);
        },
        NoRidersOfTeam);
}

// Without a class, the sheet of every class of the division that has riders.
PreparedReport printClassSheet(RunState& state, const PrintRequest& request) {
    const Order order = request.order == QLatin1String("random") ? Order::Random : Order::Sequential;
    if (request.classNumber == 0)
        return prepareClassSheets(state, request.division, order);
    return prepareClassSheet(state, request.division, request.classNumber, order);
}

// The command line names a team: every team of that name in the division is printed.
PreparedReport printSlotSheets(RunState& state, const PrintRequest& request) {
    if (request.team.isEmpty())
        return prepareSlotSheets(state, request.division);
    QList<qint32> teamCodes;
    for (const TeamRow& team : TeamList::named(state.db(), request.division, request.team))
        teamCodes << team.TeamCode;
    if (teamCodes.isEmpty())
        return PreparedReport::refused(
            QStringLiteral("There is no team named %1 in the %2 Division.").arg(request.team, request.division));
    return slotSheetsOfTeams(state, teamCodes);
}

} // namespace

QString classChoiceText(int classNumber, const QString& className) {
    return QString::number(classNumber) + QStringLiteral(" - ") + className;
}

PreparedReport prepareClassSheet(RunState& state, const QString& division, int classNumber, Order order) {
    const bool relay = classNumber == ClassLineup::RelayClassNumber;
    const QString reportName = relay ? QStringLiteral("RptClassEntries17") : QStringLiteral("RptClassEntries");
    const QString className = ClassData::className(state.db(), classNumber);
    PreparedReport prepared = ReportPreparation::fromRows(
        state, reportName,
        [&](const QSqlDatabase& db) {
            QList<SheetData::ClassEntryLine> lines = SheetData::classEntries(db, division, classNumber);
            if (order == Order::Random)
                std::shuffle(lines.begin(), lines.end(), ProgramRandom::generator());
            return classSheetRows(lines);
        },
        QStringLiteral("There are currently no riders entered in the specified class."));
    if (!prepared.report)
        return prepared;
    Report& report = *prepared.report;
    report.setCaption(QStringLiteral("Section4"), QStringLiteral("LblReportTitle"),
                      QStringLiteral("QARN Region ") + state.CurrentRegion + QStringLiteral(" Class Sheet"));
    report.setCaption(QStringLiteral("Section2"), QStringLiteral("RhTitle"),
                      QStringLiteral("Rider List for Division ") + division + QStringLiteral(", Class: ") +
                          classChoiceText(classNumber, className));
    if (!relay && isTimedClass(classNumber)) {
        report.setVisible(QStringLiteral("Section2"), QStringLiteral("LblTime"), true);
        report.setVisible(QStringLiteral("Section1"), QStringLiteral("LnTime"), true);
    }
    return prepared;
}

PreparedReport prepareClassSheets(RunState& state, const QString& division, Order order) {
    std::vector<std::unique_ptr<Report>> sheets;
    for (const ClassRow& row : ClassData::all(state.db()))
        if (PreparedReport sheet = prepareClassSheet(state, division, row.ClassNumber, order); sheet.report)
            sheets.push_back(std::move(sheet.report));
    return PreparedReport::ofAll(
        std::move(sheets),
        QStringLiteral("There are currently no riders entered in any class of the %1 Division.").arg(division));
}

PreparedReport prepareSlotSheets(RunState& state, const QString& division) {
    return slotSheets(
        state, [&](const QSqlDatabase& db) { return slotSheetRows(SheetData::slotLinesOfDivision(db, division)); },
        QStringLiteral("There are currently no teams or riders entered in the %1 Division.").arg(division));
}

PreparedReport prepareSlotSheet(RunState& state, qint32 teamCode) {
    return slotSheetsOfTeams(state, {teamCode});
}

void addPrintable(PrintRegistry& registry) {
    const int classSheetOptions = PrintRegistry::Division | PrintRegistry::Class | PrintRegistry::Order;
    registry.add({QStringLiteral("class-sheet"), QStringLiteral("RptClassEntries"), classSheetOptions,
                  PrintRegistry::Division | PrintRegistry::Order, printClassSheet, PrintRegistry::Class});
    registry.add({QStringLiteral("slot-sheets"), QStringLiteral("RptSlotSheets"),
                  PrintRegistry::Division | PrintRegistry::Team, PrintRegistry::Division, printSlotSheets});
}

} // namespace SheetReports
