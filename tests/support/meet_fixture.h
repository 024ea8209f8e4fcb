#pragma once

#include "scripted_file_dialogs.h"
#include "scripted_messages.h"
#include "ui/run_state.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder in a temporary folder with a new meet database, open as
// MeetDb, a scripted Messages fake, and settings kept in the same temporary folder.
// The screen is 800 by 600 pixels (12000 by 9000 twips) unless a test sets it.
class MeetFixture {
public:
    explicit MeetFixture(bool createDatabase = true);
    ~MeetFixture();

    QString programFolder() const { return m_folder.path(); }
    QString databasePath() const { return state->meetDatabasePath(); }
    QSqlDatabase db() const { return state->db(); }

    // Runs a statement with bound values; fails loudly when it cannot.
    void exec(const QString& statement, const QVariantList& values = {}) const;
    QVariant scalar(const QString& statement, const QVariantList& values = {}) const;
    int count(const QString& table) const;
    // The first column of every row the statement answers, in its order.
    QStringList column(const QString& statement, const QVariantList& values = {}) const;

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
