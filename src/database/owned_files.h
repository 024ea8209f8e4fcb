#pragma once

#include <QString>
#include <QStringList>

// Files the program keeps for itself, which no output (a PDF, an export) may ever replace.
namespace OwnedFiles {

// Empty when an output file may be written at `output`; otherwise why not: it is the meet
// database at `meetDbPath` or one of the engine's files that belong with it, or it lies in
// the backup folder or one of `keptFolders` (the label images). Links are followed and
// names compared without regard to case.
QString refusal(const QString& output, const QString& meetDbPath, const QStringList& keptFolders = {});

} // namespace OwnedFiles
