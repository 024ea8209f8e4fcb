#include "ui/run_state.h"

#include <QDir>

QString RunState::meetDatabasePath() const { return QDir(ProgramFolder).filePath(meetDatabaseFileName()); }

MeetLocation RunState::meetLocation() const {
    return MeetServer.isEmpty() ? MeetLocation::file(meetDatabasePath()) : MeetLocation::server(MeetServer);
}
