#pragma once

#include "meet_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWidget>

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

// Finds a control of a window by its name; fails the test when it is missing.
template <typename T> T* control(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

inline void setText(QWidget* window, const QString& name, const QString& text) {
    control<QLineEdit>(window, name)->setText(text);
}

inline void choose(QWidget* window, const QString& name, int index) {
    control<QComboBox>(window, name)->setCurrentIndex(index);
}

inline QStringList entries(QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

inline QStringList entries(QComboBox* combo) {
    QStringList all;
    for (int i = 0; i < combo->count(); ++i)
        all << combo->itemText(i);
    return all;
}

// Runs the deferred deletes of windows that closed themselves.
inline void flushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
