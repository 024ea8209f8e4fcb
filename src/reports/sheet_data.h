#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// What the class sheets and slot sheets read from the meet database.
namespace SheetData {

// One rider entered in a class; the partner fields are filled for the relay class only.
struct ClassEntryLine {
    qint32 RiderIndex;
    QString RiderNumber;
    QString FirstName;
    QString LastName;
    QString TeamName;
    QString PartnerNumber; // empty without a stored partner
    QString PartnerFirst;
    QString PartnerLast;
};

// Whether an entrant of the relay class without a stored partner is listed.
enum class Partners { Required, Optional };

// One rider of a team as a slot sheet lists it.
struct SlotLine {
    qint32 TeamCode;
    QString TeamName;
    QString Division;
    QString FirstName;
    QString LastName;
    QString RiderNumber;
};

// The riders of the division's teams entered in the class, in rider-number text order
// (then by record, so equal numbers keep one order). For the relay class the partner's
// fields come along; with `Required` only entrants with a stored partner are listed.
QList<ClassEntryLine> classEntries(const QSqlDatabase& db, const QString& division, int classNumber,
                                   Partners partners = Partners::Required);

// The riders of every team of the division, team by team in name order, each team's
// riders in rider-number text order. Teams without riders have no lines.
QList<SlotLine> slotLinesOfDivision(const QSqlDatabase& db, const QString& division);
// The riders of one team, in rider-number text order.
QList<SlotLine> slotLinesOfTeam(const QSqlDatabase& db, qint32 teamCode);

} // namespace SheetData
