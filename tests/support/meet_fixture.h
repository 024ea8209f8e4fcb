#pragma once

#include "scripted_file_dialogs.h"
#include "scripted_messages.h"
#include "ui/run_state.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder in a temporary folder with a new meet database, open as
// MeetDb, a scripted Messages fake, and settings kept in the same temporary folder. On a run
// on the test server (TestServer) the meet database is a new database there instead, named
// by the run state's MeetServer; the program folder still holds the label images.
// The screen is 800 by 600 pixels (12000 by 9000 twips) unless a test sets it.
class MeetFixture {
public:
    explicit MeetFixture(bool createDatabase = true);
    ~MeetFixture();

    QString programFolder() const { return m_folder.path(); }
    // The meet file's path (where a server meet is never written).
    QString databasePath() const { return state->meetDatabasePath(); }
    bool onServer() const { return !state->MeetServer.isEmpty(); }
    // Whether a meet has been created: the file exists, or the server database holds tables.
    bool meetExists() const;
    QSqlDatabase db() const { return state->db(); }

    // Runs a statement with bound values; fails loudly when it cannot.
    void exec(const QString& statement, const QVariantList& values = {}) const;
    QVariant scalar(const QString& statement, const QVariantList& values = {}) const;
    int count(const QString& table) const;
    // A hash of the whole meet: the file's bytes (the meet database is closed and opened again
    // around reading it), or on a server every row of the nine tables.
    QByteArray contentDigest() const;
    // Has the engine refuse every insert into `table` (for which `condition` on NEW holds, when
    // given) with the error "disk is full", as a failing disk would.
    void refuseInserts(const QString& table, const QString& condition = {}) const;
    // The first column of every row the statement answers, in its order.
    QStringList column(const QString& statement, const QVariantList& values = {}) const;
    // On the test server: ends the server session of the run state's connection from another
    // session, as a server restart or a dropped network would, and waits until it is gone
    // (false when it is not within 10 seconds).
    [[nodiscard]] bool endServerSession() const;

    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<RunState> state;

private:
    QTemporaryDir m_folder;
};

// A second station on the fixture's meet: a connection of its own to the same meet file (with
// its own wait for another connection's write lock), its own scripted messages, held to their
// script as the fixture's are, and the same screen and region.
class OtherStation {
public:
    explicit OtherStation(const MeetFixture& meet, int lockWaitMs = DbConnection::DefaultLockWaitMs);
    ~OtherStation();

    QSqlDatabase db() const { return state.db(); }

    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    RunState state;
};

// Points QSettings at a folder of the test's own, so no test reads or writes the user's settings.
void useTemporarySettings(const QString& folder);
