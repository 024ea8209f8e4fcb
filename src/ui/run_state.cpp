#include "ui/run_state.h"

#include "ui/accessible_controls.h"

#include <QDir>

RunState::RunState(Messages& messages, FileDialogs& fileDialogs) : messages(messages), fileDialogs(fileDialogs) {
    AccessibleControls::install();
}

QString RunState::meetDatabasePath() const { return QDir(ProgramFolder).filePath(meetDatabaseFileName()); }

MeetLocation RunState::meetLocation() const {
    return MeetServer.isEmpty() ? MeetLocation::file(meetDatabasePath()) : MeetLocation::server(MeetServer);
}
