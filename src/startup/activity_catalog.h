#pragma once

#include <QList>
#include <QString>

// The activities of the main window: caption, the menu panel that holds the
// button, and what the main window calls on the window when it opens it.
struct Activity {
    int number;      // 1 to Count
    QString caption; // button caption
    int menu;        // 1 Administration, 2 Meet Setup, 3 Entry Booth, 4 Reports
    bool needsDivision;
    bool takesDivision; // Set_Division on opening and when the division changes
    bool loadsReport;   // Load_Report after showing
};

namespace ActivityCatalog {

constexpr int Count = 13;
const QList<Activity>& all();
const Activity& get(int number); // 1 to Count
QList<int> ofMenu(int menu);
QString menuCaption(int menu); // 1 to 4

} // namespace ActivityCatalog
