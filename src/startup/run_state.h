#pragma once

#include "database/db_connection.h"
#include "reports/report_data_source.h"

#include <QString>

class FileDialogs;
class FrmMain;
class Messages;

// What every window reads: the screen size in twips, the region, the program folder,
// the open meet database and the report data source, plus the message and file-dialog
// facades. One instance for the run; tests make their own.
class RunState {
public:
    RunState(Messages& messages, FileDialogs& fileDialogs) : messages(messages), fileDialogs(fileDialogs) {}
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    Messages& messages;
    FileDialogs& fileDialogs;

    qint16 ScreenWidth = 0;
    qint16 ScreenHeight = 0;
    QString CurrentRegion;
    QString ProgramFolder;
    DbConnection MeetDb;
    ReportDataSource QARNConnection;
    FrmMain* MainForm = nullptr;

    QSqlDatabase db() const { return MeetDb.db(); }
    QString meetDatabasePath() const;

    static QString meetDatabaseFileName() { return QStringLiteral("QARNReduzuduv2006.mdb"); }
};
