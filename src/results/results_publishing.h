#pragma once

#include "database/refusal.h"

#include <QList>
#include <QString>
#include <QStringList>

class RunState;

// The meet's results as a small static web site: a page per division that has teams (its
// team standings, its high-point riders, then every team's riders with their placings)
// and an index page that links them. Pages are self-contained: the class label images are
// embedded, no script.
namespace ResultsPublishing {

struct Page {
    QString fileName; // "index.html", "division-a.html", ...
    QString html;
};

// The division pages, then the index. Empty when no division has a team. Throws
// DbException when the meet database cannot be read.
QList<Page> pages(RunState& state);

struct Outcome {
    Refusal refusal;     // done when every page was written
    QStringList written; // the paths written, in order
};

// Writes the pages into `folder`, made when missing. Each page is written whole or not at
// all, and the index last, so it never links a page that was not written.
Outcome publish(RunState& state, const QString& folder);

} // namespace ResultsPublishing
