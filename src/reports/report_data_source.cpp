#include "reports/report_data_source.h"

void ReportDataSource::setDatabasePath(const QString& path) { m_databasePath = path; }

QString ReportDataSource::connectionText() const { return QStringLiteral("Data Source=") + m_databasePath; }
