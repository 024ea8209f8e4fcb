#pragma once

#include <QList>
#include <QString>

class RunState;

// The export of chosen teams into the region's export file in a folder, as the export
// window and the headless `export` command both run it: a region letter to name the file
// after, the overwrite question, the check that every row fits, then the file built whole.
namespace ExportRun {

// The export file's name for the region in `folder`.
QString fileName(const QString& folder, const QString& region);

// True when the file was written; otherwise the user was told why (or said No).
bool exportTeams(RunState& state, const QString& folder, const QList<qint32>& teamCodes);

} // namespace ExportRun
