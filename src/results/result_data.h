#pragma once

#include "database/row_snapshot.h"
#include "report_engine/report_rows.h"
#include "reports/sheet_data.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// Judges, entries and placings of a class as the placing windows and the results reports
// read and write them.
namespace ResultData {

struct Judge {
    qint32 JudgeID;
    QString FirstName;
    QString LastName;
};

// A rider entered in a class, with the relay partner when one is paired.
using EntrantRow = SheetData::ClassEntryLine;

struct Placing {
    int ClassNumber;
    int Place;
    QString Division;
    qint32 RiderIndex;
    double Points;
    qint32 JudgeID;
};

// A placing with its rider's team, for the standings.
struct TeamPlacing {
    qint32 TeamCode;
    int ClassNumber;
    int Place;
    double Points;
};

// The judges assigned to a class in a division, by last name.
QList<Judge> judgesOfClass(const QSqlDatabase& db, int classNumber, const QString& division);
// The riders of the division's teams entered in the class, by back number (as text).
QList<EntrantRow> entrantsOfClass(const QSqlDatabase& db, int classNumber, const QString& division);
// The stored placings of the class in the division, by judge and place.
QList<Placing> placingsOfClass(const QSqlDatabase& db, int classNumber, const QString& division);
// A rider's number and name, for a stored placing whose rider is no longer entered.
EntrantRow rider(const QSqlDatabase& db, qint32 riderIndex);
// What the placing window of a class shows as it opens: the class's placings in the division.
RowSnapshot snapshotOf(const QList<Placing>& placings);
// Replaces every placing of the class in the division by the given ones, in one transaction.
// False, writing nothing, when the class's placings in the division are no longer `loaded`:
// another station changed them since the window read them.
[[nodiscard]] bool replacePlacings(const QSqlDatabase& db, int classNumber, const QString& division,
                                   const RowSnapshot& loaded, const QList<Placing>& placings);

// The division's placings whose rider belongs to a team, by class and place.
QList<TeamPlacing> teamPlacings(const QSqlDatabase& db, const QString& division);

// A placing of a rider of one of the division's teams, with the rider, for the high-point riders.
struct RiderPlacing {
    qint32 RiderIndex;
    QString RiderNumber;
    QString Rider; // first and last name
    QString TeamName;
    int Place;
    double Points;
};
// The division's placings whose rider belongs to one of the division's teams, by rider.
QList<RiderPlacing> riderPlacings(const QSqlDatabase& db, const QString& division);

// What the individual results print: every rider and placing, or with a division those of its
// teams' riders, read straight into the report's rows (at ten times a meet the preview of every
// rider waits on this read).
// The riders as rows named `name` of the fields RiderIndex, TeamCode, RiderNumber and Rider (first
// and last name), by back number (as text).
RowSet riderLines(const QSqlDatabase& db, const QString& division, const QString& name);
// The placings as rows named `name` of the fields RiderIndex, ClassNumber, ClassName, Judge (first
// and last name), Place and Points, by class and place.
RowSet placingLines(const QSqlDatabase& db, const QString& division, const QString& name);

} // namespace ResultData
