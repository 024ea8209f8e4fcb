#include "reports/sheet_data.h"

#include "database/class_lineup.h"
#include "database/sql.h"

namespace SheetData {

namespace {

const QString SheetEntryColumns = QStringLiteral(
    "SELECT TblPerson.RiderNumber, TblPerson.FirstName, TblPerson.LastName, TblTeam.TeamName");
const QString SheetEntryJoins = QStringLiteral(
    " FROM TblEntry INNER JOIN TblPerson ON TblEntry.RiderIndex = TblPerson.RiderIndex"
    " INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode");
const QString SheetEntryFilter = QStringLiteral(
    " WHERE TblEntry.ClassNumber = ? AND TblTeam.Division = ?"
    " ORDER BY TblPerson.RiderNumber, TblPerson.RiderIndex");

const QString SlotColumns = QStringLiteral(
    "SELECT TblTeam.TeamCode, TblTeam.TeamName, TblTeam.Division, TblPerson.FirstName, TblPerson.LastName,"
    " TblPerson.RiderNumber FROM TblTeam INNER JOIN TblPerson ON TblTeam.TeamCode = TblPerson.TeamCode");
const QString SlotOrder =
    QStringLiteral(" ORDER BY TblTeam.TeamName, TblTeam.TeamCode, TblPerson.RiderNumber, TblPerson.RiderIndex");

QList<SlotLine> slotLines(const QSqlDatabase& db, const QString& filter, const QVariant& value) {
    auto query = Sql::exec(db, SlotColumns + filter + SlotOrder, {value});
    QList<SlotLine> lines;
    while (query.next())
        lines.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toString(), query.value(5).toString()});
    return lines;
}

} // namespace

QList<ClassEntryLine> classEntries(const QSqlDatabase& db, const QString& division, int classNumber) {
    const bool relay = classNumber == ClassLineup::RelayClassNumber;
    // An entrant of the relay class without a stored partner is not listed (inner join).
    const QString statement =
        relay ? SheetEntryColumns +
                    QStringLiteral(", TblPairing.PartnerNumber, TblPairing.PartnerFirst, TblPairing.PartnerLast") +
                    SheetEntryJoins +
                    QStringLiteral(" INNER JOIN TblPairing ON TblPairing.RiderIndex = TblPerson.RiderIndex") +
                    SheetEntryFilter
              : SheetEntryColumns + SheetEntryJoins + SheetEntryFilter;
    auto query = Sql::exec(db, statement, {classNumber, division});
    QList<ClassEntryLine> lines;
    while (query.next()) {
        ClassEntryLine line{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                            query.value(3).toString(), {}, {}, {}};
        if (relay) {
            line.PartnerNumber = query.value(4).toString();
            line.PartnerFirst = query.value(5).toString();
            line.PartnerLast = query.value(6).toString();
        }
        lines.append(line);
    }
    return lines;
}

QList<SlotLine> slotLinesOfDivision(const QSqlDatabase& db, const QString& division) {
    return slotLines(db, QStringLiteral(" WHERE TblTeam.Division = ?"), division);
}

QList<SlotLine> slotLinesOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    return slotLines(db, QStringLiteral(" WHERE TblTeam.TeamCode = ?"), teamCode);
}

} // namespace SheetData
