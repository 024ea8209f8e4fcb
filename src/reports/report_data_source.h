#pragma once

#include "database/db_connection.h"
#include "report_engine/report_rows.h"

#include <QString>
#include <functional>

class RunState;

// The report data source: the meet database path every report reads and one read-only
// connection of its own to that file. A report's rows are built from it by a function
// (relating or grouping with RowShaping) and handed to the report as a value.
class ReportDataSource {
public:
    using Source = std::function<RowSet(const QSqlDatabase&)>;

    // The run's report data source, made on first use and pointed at the meet database.
    static ReportDataSource& of(RunState& state);

    void setDatabasePath(const QString& path);
    // Lets go of the database (while its file is replaced); the next read opens it again.
    void close() { m_connection.close(); }
    QString databasePath() const { return m_databasePath; }
    QString connectionText() const;

    // The rows `source` builds from the connection. Throws DbException when the database
    // cannot be read.
    RowSet read(const Source& source);

private:
    QSqlDatabase connection();

    QString m_databasePath;
    DbConnection m_connection;
};
