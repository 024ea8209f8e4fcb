#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// A district file: teams with their coaches and riders from the district level, in a
// database file of the meet database's engine. It is untrusted input: it is opened
// read-only with the engine's defences on and the engine's work on it bounded, and checked
// whole (a sound database file; the three tables plain tables, not views or virtual tables,
// and every field read; every value fitting the meet database, without control characters;
// every team code used by one team only; every division one of the four; every coach and
// rider naming a team of the file) and read into memory before anything is written anywhere.
namespace DistrictFile {

struct Content {
    QList<QVariantMap> teams;    // TeamCode, TeamName, Division (upper-case), District; by division and name
    QList<QVariantMap> coaches;  // TeamCode, CoachCode, FirstName, LastName, Position, Address, City, Zip,
                                 // Primary, Secondary, Email; by team, position (descending), name
    QList<QVariantMap> riders;   // TeamCode, RiderNumber, FirstName, LastName, Address, City, Zip; by team, name
};                               // numbers as qint64, texts as QString (null when the file has none)

struct Read {
    Content content;
    QString problem; // empty when the file was read; otherwise the first thing wrong with it
};

// Reads the file at `path`; the meet database at `meetDbPath`, and its backups, are refused.
Read read(const QString& path, const QString& meetDbPath);

} // namespace DistrictFile
