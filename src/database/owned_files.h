#pragma once

#include "database/refusal.h"

#include <QString>
#include <QStringList>

// Files the program keeps for itself, which no output (a PDF, an export) may ever replace.
namespace OwnedFiles {

// Refused, saying why, when no output file may be written at `output`: it is the meet
// database at `meetDbPath` or one of the engine's files that belong with it, or it lies in
// the backup folder or one of `keptFolders` (the label images). Links are followed and
// names compared without regard to case.
Refusal refusal(const QString& output, const QString& meetDbPath, const QStringList& keptFolders = {});

} // namespace OwnedFiles
