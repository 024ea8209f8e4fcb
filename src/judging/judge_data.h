#pragma once

#include "database/row_snapshot.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// One row of TblJudge.
struct JudgeRow {
    qint32 JudgeID = -1;
    QString FirstName;
    QString LastName;
    QString Address;
    QString City;
    QString State;
    QString Zip;
    QString PhoneNumber;
    QString Email;
    QString Memo;
};

// TblJudge, TblClassJudges and the placings recorded under judges, as the judging windows
// and reports read and write them. Every function throws DbException when the engine refuses.
namespace JudgeData {

// One judge judging one class in one division.
struct Assignment {
    int ClassNumber;
    qint32 JudgeID;
};

// One assignment of a division with its class and judge, for the agenda and the cards.
struct AssignedJudge {
    int ClassNumber;
    QString ClassName;
    QString FirstName;
    QString LastName;
};

// A class of a division in which placings are recorded under a judge.
struct PlacedJudge {
    int ClassNumber;
    qint32 JudgeID;
    QString FirstName;
    QString LastName;
};

// Every judge by last name (judges of the same last name in the order they were added).
QList<JudgeRow> byLastName(const QSqlDatabase& db);
// Every judge in the order they were added: the rows of the assignment grid.
QList<JudgeRow> inGridOrder(const QSqlDatabase& db);
std::optional<JudgeRow> find(const QSqlDatabase& db, qint32 judgeId);

// Adds a judge and answers the key the engine gave it.
qint32 insert(const QSqlDatabase& db, const JudgeRow& judge);
bool update(const QSqlDatabase& db, const JudgeRow& judge); // false: no such judge
bool remove(const QSqlDatabase& db, qint32 judgeId);        // false: no such judge

bool hasAssignments(const QSqlDatabase& db, qint32 judgeId);
bool hasPlacings(const QSqlDatabase& db, qint32 judgeId);

QList<Assignment> assignmentsOfDivision(const QSqlDatabase& db, const QString& division);
// The division's assignments by class number, the judges of a class by last name.
QList<AssignedJudge> agendaOfDivision(const QSqlDatabase& db, const QString& division);
// The classes of the division with placings recorded, each with the judge they are under.
QList<PlacedJudge> placedJudgesOfDivision(const QSqlDatabase& db, const QString& division);

// What the assignment grid of a division shows as it opens: the division's assignments.
RowSnapshot snapshotOf(const QList<Assignment>& assignments);

// Replaces every assignment of the division by the given ones, in one transaction: on
// failure the division's old rows stay as they were. Other divisions are never touched.
// False, writing nothing, when the division's assignments are no longer `loaded`: another
// station changed them since the grid read them.
[[nodiscard]] bool replaceDivisionAssignments(const QSqlDatabase& db, const QString& division,
                                              const RowSnapshot& loaded, const QList<Assignment>& assignments);

} // namespace JudgeData
