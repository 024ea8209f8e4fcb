#include "reports/sheet_data.h"

#include "database/class_lineup.h"
#include "database/sql.h"

namespace SheetData {

namespace {

const QString SlotColumns = QStringLiteral(
    "SELECT TblTeam.TeamCode, TblTeam.TeamName, TblTeam.Division, TblPerson.FirstName, TblPerson.LastName,"
    " TblPerson.RiderNumber FROM TblTeam INNER JOIN TblPerson ON TblTeam.TeamCode = TblPerson.TeamCode");
const QString SlotOrder = QStringLiteral(
    " ORDER BY TblTeam.TeamName, TblTeam.TeamCode, TblPerson.RiderNumber NULLS FIRST, TblPerson.RiderIndex");

QList<SlotLine> slotLines(const QSqlDatabase& db, const QString& filter, const QVariant& value) {
    auto query = Sql::exec(db, SlotColumns + filter + SlotOrder, {value});
    QList<SlotLine> lines;
    while (query.next())
        lines.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString(), query.value(5).toString()});
    return lines;
}

} // namespace

QList<ClassEntryLine> classEntries(const QSqlDatabase& db, const QString& division, int classNumber,
                                   Partners partners) {
    // The pairing joins for the relay class only; the filter on it is one of two fixed texts.
    const QString statement =
        QStringLiteral(
            "SELECT TblPerson.RiderIndex, TblPerson.RiderNumber, TblPerson.FirstName, TblPerson.LastName, "
            "TblTeam.TeamName, TblPairing.PartnerNumber, TblPairing.PartnerFirst, TblPairing.PartnerLast "
            "FROM TblEntry INNER JOIN TblPerson ON TblEntry.RiderIndex = TblPerson.RiderIndex "
            "INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode "
            "LEFT JOIN TblPairing ON TblPairing.RiderIndex = TblPerson.RiderIndex AND TblEntry.ClassNumber = ? "
            "WHERE TblEntry.ClassNumber = ? AND TblTeam.Division = ?") +
        (partners == Partners::Required && classNumber == ClassLineup::RelayClassNumber
             ? QStringLiteral(" AND TblPairing.RiderIndex IS NOT NULL")
             : QString()) +
        QStringLiteral(" ORDER BY TblPerson.RiderNumber NULLS FIRST, TblPerson.RiderIndex");
    auto query = Sql::exec(db, statement, {ClassLineup::RelayClassNumber, classNumber, division});
    QList<ClassEntryLine> lines;
    while (query.next())
        lines.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                      query.value(6).toString(), query.value(7).toString()});
    return lines;
}

QList<SlotLine> slotLinesOfDivision(const QSqlDatabase& db, const QString& division) {
    return slotLines(db, QStringLiteral(" WHERE TblTeam.Division = ?"), division);
}

QList<SlotLine> slotLinesOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    return slotLines(db, QStringLiteral(" WHERE TblTeam.TeamCode = ?"), teamCode);
}

} // namespace SheetData
