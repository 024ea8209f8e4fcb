#pragma once

#include "meet_fixture.h"
#include "pdf_text.h"

#include "reports/report_layout.h"

#include <QComboBox>
#include <QWidget>

// Teams, riders, entries and relay pairings written straight into a meet database, and
// what the sheet tests read back from laid-out pages.
namespace SheetSeed {

inline qint32 team(const MeetFixture& meet, const QString& name, const QString& division) {
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, '1')", {name, division});
    return meet.scalar("SELECT max(TeamCode) FROM TblTeam").toInt();
}

// A rider named after the number ("First20 Last20"), entered in the given classes.
inline qint32 rider(const MeetFixture& meet, qint32 teamCode, const QString& number, const QList<int>& classes = {}) {
    meet.exec("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, ?, ?)",
              {"First" + number, "Last" + number, teamCode, number});
    const qint32 index = meet.scalar("SELECT max(RiderIndex) FROM TblPerson").toInt();
    for (int c : classes)
        meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (?, ?)", {c, index});
    return index;
}

inline void pairing(const MeetFixture& meet, qint32 entrant, qint32 partner) {
    meet.exec("INSERT INTO TblPairing (RiderIndex, PartnerIndex, PartnerNumber, PartnerFirst, PartnerLast) "
              "SELECT ?, RiderIndex, RiderNumber, FirstName, LastName FROM TblPerson WHERE RiderIndex = ?",
              {entrant, partner});
}

// The texts of a control over every page, in page order.
inline QStringList texts(const LaidOutReport& laid, const QString& control) {
    QStringList all;
    for (const LaidOutPage& page : laid.pages)
        all << page.texts(control);
    return all;
}

inline void choose(QWidget* window, const QString& combo, const QString& text) {
    QComboBox* box = window->findChild<QComboBox*>(combo);
    box->setCurrentIndex(box->findText(text));
}


} // namespace SheetSeed
