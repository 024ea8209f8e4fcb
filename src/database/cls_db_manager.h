#pragma once

#include "database/db_connection.h"
#include "database/meet_schema.h"

#include <QString>
#include <functional>

// Creates meet databases (and, for the export, files with some of the same tables),
// and tells whether a file at a path is a usable meet database.
class Cls_Db_Manager {
public:
    // Draws the class label images of the database being built into the program folder.
    using LabelDrawer = std::function<void(const QSqlDatabase& db, const QString& programFolder)>;

    explicit Cls_Db_Manager(const QString& programFolder);

    // Creates the meet database at `dbname` with its tables and class line-up, and has
    // `drawLabels` draw the label images, unless a file is already there (then nothing is
    // touched). The file is built under a name private to this process and renamed into
    // place only when complete; a second start that comes meanwhile waits and then uses the
    // finished file. Answers whether it created the file; throws DbException or
    // std::runtime_error on failure.
    bool Build_Database(const QString& dbname, const LabelDrawer& drawLabels);

    // The same for a meet on a server: builds the tables and the class line-up in the database
    // `location` names when that holds no table at all, in one transaction (a second station
    // starting at the same moment waits, then finds the meet), and leaves a database that holds
    // tables untouched. `drawLabels` then runs whenever the database holds a meet, so every
    // station draws the label images it lacks. Answers whether it built the meet; throws
    // DbException or std::runtime_error on failure.
    bool Build_Server_Meet(const MeetLocation& location, const LabelDrawer& drawLabels);

    // In the caller's transaction on a server database: builds the collations and the nine empty
    // tables when the database holds no table at all, under a lock that has a second station doing
    // the same wait for it. Answers whether it built them.
    static bool Build_Server_Tables(const QSqlDatabase& db);

    // The rows of an export file, each in its table's column order.
    struct ExportRows {
        QList<QVariantList> coaches;
        QList<QVariantList> persons;
        QList<QVariantList> teams;
    };
    // Writes an export file at `path` with the three export tables and the rows. It is
    // built under a name private to this process and put in place (over a file that is
    // there) only when complete, and closed by then. Answers empty text when it is in place;
    // otherwise why the file could not be written, in words, and nothing at `path` has changed.
    static QString Build_Export_Database(const QString& path, const ExportRows& rows);

    // Fills TblClass of the database being built with the standard line-up.
    void Populate_Class();

    // Creates a new, empty database file at `path`, opened on `connection`.
    static void Create_DB_File(const QString& path, DbConnection& connection);
    static void Build_Table(const QSqlDatabase& db, const MeetSchema::Table& table);

private:
    QString m_programFolder;
    DbConnection m_db; // open only while Build_Database works
};
