#pragma once

#include "database/db_connection.h"
#include "reports/report_rows.h"

#include <QMap>
#include <QString>
#include <functional>
#include <optional>

// The report data source: the meet database path every report reads, one connection of
// its own to that file, and the named commands whose rows the reports print. Each command
// is opened with a source given at run time: a function that builds the rows (related or
// grouped with RowShaping) from the connection, or a statement with bound values.
class RunState;

class ReportDataSource {
public:
    using Source = std::function<RowSet(const QSqlDatabase&)>;

    // The run's report data source, made on first use and pointed at the meet database.
    static ReportDataSource& of(RunState& state);

    void setDatabasePath(const QString& path);
    QString databasePath() const { return m_databasePath; }
    QString connectionText() const;

    // The commands of the report catalogue, and whether a name is one of them.
    static QStringList commandNames();
    static bool isCommand(const QString& command);

    // Replaces the command's rows with what `source` builds. Throws DbException when the
    // database cannot be read, std::invalid_argument for a name that is no command.
    const RowSet& open(const QString& command, const Source& source);
    const RowSet& open(const QString& command, const QString& statement, const QVariantList& values = {});
    void close(const QString& command);
    bool isOpen(const QString& command) const;
    // True when the command is closed or has no rows: callers show a message instead of a report.
    bool noRows(const QString& command) const;
    // The command's rows; an empty set when it is not open. "rsRptTeam" and "RptTeam" name the same.
    RowSet recordset(const QString& command) const;

private:
    static QString commandOf(const QString& name);
    QSqlDatabase connection();

    QString m_databasePath;
    DbConnection m_connection;
    QMap<QString, RowSet> m_open;
};
