#pragma once

#include "meet_fixture.h"

// Rows a test needs before it drives a window, written straight into the meet database.
namespace Seed {

inline qint32 team(const MeetFixture& meet, const QString& name, const QString& division = "B",
                   const QString& district = "1") {
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)", {name, division, district});
    return meet.scalar("SELECT max(TeamCode) FROM TblTeam").toInt();
}

inline qint32 rider(const MeetFixture& meet, qint32 teamCode, const QString& first, const QString& last,
                    const QVariant& number = QVariant()) {
    meet.exec("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, ?, ?)",
              {first, last, teamCode, number});
    return meet.scalar("SELECT max(RiderIndex) FROM TblPerson").toInt();
}

inline qint32 coach(const MeetFixture& meet, qint32 teamCode, const QString& first, const QString& last,
                    const QString& position = "Head Coach") {
    meet.exec("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) VALUES (?, ?, ?, ?)",
              {first, last, position, teamCode});
    return meet.scalar("SELECT max(CoachCode) FROM TblCoach").toInt();
}

} // namespace Seed
