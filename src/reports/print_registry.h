#pragma once

#include "reports/prepared_report.h"

#include <QList>
#include <functional>

class RunState;

// The arguments of one headless print, checked against what its report takes.
struct PrintRequest {
    QString report;   // the REPORT name, for instance "standings"
    QString division; // "A" to "D", empty when not given
    int classNumber = 0;
    QString team;
    QString order;    // "random" or "sequential", empty when not given
    QString pdf;      // the files to write; one of them at least
    QString csv;
};

// The reports the headless print command knows by name, with the options each takes and
// the function that prepares it. Each subsystem adds its own; the program's full list is
// put together where the program is.
class PrintRegistry {
public:
    enum Option { Division = 1, Class = 2, Team = 4, Order = 8 };
    using Prepare = std::function<PreparedReport(RunState&, const PrintRequest&)>;

    struct Entry {
        QString name;     // the REPORT name of the command line
        QString report;   // the catalogue report it prints
        int takes = 0;    // the options it accepts
        int needs = 0;  // the options it cannot do without
        Prepare prepare;
        // The options that, left out, print every class or division at once: one PDF of
        // several reports, which no CSV file holds.
        int allWithout = 0;
    };

    void add(Entry entry);
    const Entry* find(const QString& name) const;
    QStringList names() const;

private:
    QList<Entry> m_entries;
};
