#pragma once

#include <QString>

// The report data source: holds the meet database path that every report reads.
// The report engine adds its named commands here.
class ReportDataSource {
public:
    void setDatabasePath(const QString& path);
    QString databasePath() const { return m_databasePath; }
    QString connectionText() const;

private:
    QString m_databasePath;
};
