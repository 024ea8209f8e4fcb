#include "ui/run_state.h"

#include <QDir>

QString RunState::meetDatabasePath() const { return QDir(ProgramFolder).filePath(meetDatabaseFileName()); }
