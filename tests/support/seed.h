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

inline void entry(const MeetFixture& meet, qint32 riderIndex, int classNumber) {
    meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (?, ?)", {classNumber, riderIndex});
}

// A relay pairing naming the partner by number and name, as the entries window writes it.
inline void pairing(const MeetFixture& meet, qint32 entrant, qint32 partner) {
    meet.exec("INSERT INTO TblPairing (RiderIndex, PartnerIndex, PartnerNumber, PartnerFirst, PartnerLast) "
              "SELECT ?, RiderIndex, RiderNumber, FirstName, LastName FROM TblPerson WHERE RiderIndex = ?",
              {entrant, partner});
}

inline qint32 judge(const MeetFixture& meet, const QString& first, const QString& last) {
    meet.exec("INSERT INTO TblJudge (FirstName, LastName) VALUES (?, ?)", {first, last});
    return meet.scalar("SELECT max(JudgeID) FROM TblJudge").toInt();
}

inline void assign(const MeetFixture& meet, qint32 judgeId, int classNumber, const QString& division) {
    meet.exec("INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, ?)",
              {judgeId, classNumber, division});
}

// A placing worth 11 points less the place, as the placing window stores it.
inline void placing(const MeetFixture& meet, qint32 judgeId, int classNumber, const QString& division, int place = 1,
                    qint32 riderIndex = 1) {
    meet.exec("INSERT INTO TblPlacing (ClassNumber, Place, RiderIndex, Points, Division, JudgeID) "
              "VALUES (?, ?, ?, ?, ?, ?)",
              {classNumber, place, riderIndex, 11 - place, division, judgeId});
}

} // namespace Seed
