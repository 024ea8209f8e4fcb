#include "reports/report_data_source.h"

#include "database/sql.h"
#include "reports/report_catalogue.h"
#include "ui/run_state.h"

#include <stdexcept>

ReportDataSource& ReportDataSource::of(RunState& state) {
    if (!state.QARNConnection) {
        state.QARNConnection = std::make_shared<ReportDataSource>();
        state.QARNConnection->setDatabasePath(state.meetDatabasePath());
    }
    return *state.QARNConnection;
}

void ReportDataSource::setDatabasePath(const QString& path) {
    if (path != m_databasePath)
        m_connection.close();
    m_databasePath = path;
    m_open.clear();
}

QString ReportDataSource::connectionText() const { return QStringLiteral("Data Source=") + m_databasePath; }

QStringList ReportDataSource::commandNames() { return ReportCatalogue::commands(); }

bool ReportDataSource::isCommand(const QString& command) { return !commandOf(command).isEmpty(); }

QString ReportDataSource::commandOf(const QString& name) {
    for (const QString& command : commandNames())
        if (name.compare(command, Qt::CaseInsensitive) == 0 ||
            name.compare(QStringLiteral("rs") + command, Qt::CaseInsensitive) == 0)
            return command;
    return {};
}

QSqlDatabase ReportDataSource::connection() {
    if (m_databasePath.isEmpty())
        throw std::logic_error("the report data source has no database");
    if (!m_connection.isOpen())
        m_connection.open(m_databasePath, DbConnection::Mode::ReadOnly);
    return m_connection.db();
}

const RowSet& ReportDataSource::open(const QString& command, const Source& source) {
    const QString name = commandOf(command);
    if (name.isEmpty())
        throw std::invalid_argument(QStringLiteral("%1 is no command of the report data source").arg(command).toStdString());
    m_open.remove(name);
    RowSet rows = source(connection());
    return *m_open.insert(name, std::move(rows));
}

const RowSet& ReportDataSource::open(const QString& command, const QString& statement, const QVariantList& values) {
    return open(command, [&](const QSqlDatabase& db) {
        CheckedQuery query = Sql::exec(db, statement, values);
        return RowSet::fromQuery(commandOf(command), query);
    });
}

void ReportDataSource::close(const QString& command) { m_open.remove(commandOf(command)); }

bool ReportDataSource::isOpen(const QString& command) const { return m_open.contains(commandOf(command)); }

bool ReportDataSource::noRows(const QString& command) const {
    const auto found = m_open.constFind(commandOf(command));
    return found == m_open.constEnd() || found->isEmpty();
}

RowSet ReportDataSource::recordset(const QString& command) const { return m_open.value(commandOf(command)); }
