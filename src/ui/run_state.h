#pragma once

#include "database/db_connection.h"

#include <QString>
#include <memory>

class ActivityHost;
class FileDialogs;
class Messages;
class ReportDataSource;

// What every window reads: the screen size in twips, the region, the program folder,
// the open meet database, the report data source and the window hosting the activities,
// plus the message and file-dialog facades. One instance for the run; tests make their own.
class RunState {
public:
    // Every window works on a run state: from the first one on, the program's controls
    // present themselves to assistive technology as they should.
    RunState(Messages& messages, FileDialogs& fileDialogs);
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    Messages& messages;
    FileDialogs& fileDialogs;

    qint16 ScreenWidth = 0;
    qint16 ScreenHeight = 0;
    QString CurrentRegion;
    QString ProgramFolder;
    // The URI of the server database the meet lives on; empty when it is the file in the
    // program folder. Start-up sets it from --server or the settings.
    QString MeetServer;
    DbConnection MeetDb;
    // Made and pointed at the meet database by start-up; reports read their rows through
    // ReportDataSource::of, so windows that print nothing never open its connection.
    std::shared_ptr<ReportDataSource> QARNConnection;
    // The main window while it exists; windows opened by an activity ask it to close
    // the activity or to disable the windows beneath them.
    ActivityHost* host = nullptr;

    QSqlDatabase db() const { return MeetDb.db(); }
    // The meet database file in the program folder (what a server meet is never written to).
    QString meetDatabasePath() const;
    // Where the meet lives: the server when MeetServer names one, else the file.
    MeetLocation meetLocation() const;

    static QString meetDatabaseFileName() { return QStringLiteral("QARNReduzuduv2006.mdb"); }
};
