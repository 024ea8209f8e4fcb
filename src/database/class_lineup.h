#pragma once

#include <QList>
#include <QString>

// The 17 classes of a meet, and the two forms of classes 2 and 3 that a region may use.
struct ClassRow {
    int ClassNumber;
    QString ClassName;
    double MaxEntries;
    QString ImagePath;
};

namespace ClassLineup {

constexpr int RelayClassNumber = 17;

// The line-up exactly as a new meet database receives it.
const QList<ClassRow>& standard();

enum class Form { Standard = 0, Modified = 1 };

// Classes 2 and 3 as the settings window writes them for the given form.
QList<ClassRow> fittingAndShowing(Form form);

// The form a class-2 name shows: standard when it is the Saddle Seat class in either spelling.
Form formOfClass2(const QString& className);

} // namespace ClassLineup
