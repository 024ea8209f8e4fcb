#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// A district file: teams with their coaches and riders from the district level, in a
// database file of the meet database's engine. It is untrusted input: it is opened
// read-only with the engine's defences on, checked whole (a sound database file, the
// three tables and every field read, every value fitting the meet database, every team
// code used by one team only, every division one of the four) and read into memory before
// anything is written anywhere.
namespace DistrictFile {

struct Content {
    QList<QVariantMap> teams;    // TeamCode, TeamName, Division (upper-case), District; by division and name
    QList<QVariantMap> coaches;  // TeamCode, CoachCode, FirstName, LastName, Position, Address, City, Zip,
                                 // Primary, Secondary, Email; by team, position (descending), name
    QList<QVariantMap> riders;   // TeamCode, RiderNumber, FirstName, LastName, Address, City, Zip; by team, name
};

struct Read {
    Content content;
    QString problem; // empty when the file was read; otherwise the first thing wrong with it
};

Read read(const QString& path);

} // namespace DistrictFile
