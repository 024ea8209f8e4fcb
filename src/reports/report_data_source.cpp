#include "reports/report_data_source.h"

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
}

QString ReportDataSource::connectionText() const { return QStringLiteral("Data Source=") + m_databasePath; }

QSqlDatabase ReportDataSource::connection() {
    if (m_databasePath.isEmpty())
        throw std::logic_error("the report data source has no database");
    if (!m_connection.isOpen())
        m_connection.open(m_databasePath, DbConnection::Mode::ReadOnly);
    return m_connection.db();
}

RowSet ReportDataSource::read(const Source& source) { return source(connection()); }
