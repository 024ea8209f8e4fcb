#include "startup/activity_catalog.h"

namespace ActivityCatalog {

const QList<Activity>& all() {
    static const QList<Activity> activities{
        {1, "Teams", 1, false, false, false},
        {2, "Coaches", 1, false, false, false},
        {3, "Riders", 1, false, false, false},
        {4, "Judges", 1, false, false, false},
        {5, "Judge's Class Assignments", 2, true, true, false},
        {6, "Slot Sheets", 2, true, true, false},
        {7, "Judges Cards", 2, true, true, true},
        {8, "Rider Entries", 3, true, true, false},
        {9, "Class Sheets", 3, true, true, false},
        {10, "Placings", 3, true, true, false},
        {11, "Meet Standings", 4, true, true, true},
        {12, "Rider Results", 4, false, false, true},
        {13, "High-Point Riders", 4, true, true, true},
    };
    return activities;
}

const Activity& get(int number) { return all().at(number - 1); }

QList<int> ofMenu(int menu) {
    QList<int> numbers;
    for (const Activity& activity : all())
        if (activity.menu == menu)
            numbers << activity.number;
    return numbers;
}

QString menuCaption(int menu) {
    static const QStringList captions{"Administration", "Meet Setup", "Entry Booth", "Reports"};
    return captions.value(menu - 1);
}

} // namespace ActivityCatalog
