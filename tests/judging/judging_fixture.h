#pragma once

#include "meet_fixture.h"

#include "database/sql.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QStringList>
#include <QWidget>

// Judges, assignments and placings written straight into the meet database, and what the
// judging tests read back.
namespace JudgingSeed {

inline qint32 judge(const MeetFixture& meet, const QString& first, const QString& last) {
    meet.exec("INSERT INTO TblJudge (FirstName, LastName) VALUES (?, ?)", {first, last});
    return meet.scalar("SELECT max(JudgeID) FROM TblJudge").toInt();
}

inline void assign(const MeetFixture& meet, qint32 judgeId, int classNumber, const QString& division) {
    meet.exec("INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, ?)",
              {judgeId, classNumber, division});
}

inline void placing(const MeetFixture& meet, qint32 judgeId, int classNumber, const QString& division) {
    meet.exec("INSERT INTO TblPlacing (ClassNumber, Place, RiderIndex, Points, Division, JudgeID) "
              "VALUES (?, 1, 1, 10, ?, ?)",
              {classNumber, division, judgeId});
}

// The rows of a one-column query, in its order.
inline QStringList column(const MeetFixture& meet, const QString& statement) {
    QStringList all;
    auto query = Sql::exec(meet.db(), statement);
    while (query.next())
        all << query.value(0).toString();
    return all;
}

} // namespace JudgingSeed

template <typename T> T* judgingControl(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

inline bool judgingShows(QWidget* window, const QString& name) {
    QWidget* control = window->findChild<QWidget*>(name);
    return control && control->isVisibleTo(window);
}
