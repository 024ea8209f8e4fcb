#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// One row of TblCoach.
struct CoachRow {
    qint32 CoachCode = -1;
    QString FirstName;
    QString LastName;
    QString Address;
    QString City;
    QString Zip;
    QString Primary;
    QString Secondary;
    QString Email;
    QString Position;
    qint32 TeamCode = -1;
};

// TblCoach reads and writes. Every function throws DbException when the engine refuses.
namespace CoachData {

// A team's coaches: head coaches before assistants (descending position), then by last name.
QList<CoachRow> ofTeam(const QSqlDatabase& db, qint32 teamCode);
// Every coach in the same order, whatever the team.
QList<CoachRow> all(const QSqlDatabase& db);
std::optional<CoachRow> find(const QSqlDatabase& db, qint32 coachCode);

qint32 insert(const QSqlDatabase& db, const CoachRow& coach);
// Both answer false when there is no such coach.
bool update(const QSqlDatabase& db, const CoachRow& coach);
bool remove(const QSqlDatabase& db, qint32 coachCode);

} // namespace CoachData
