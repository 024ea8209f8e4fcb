#pragma once

#include "database/cls_db_manager.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What the export to the state reads from the meet database, and the check that the
// chosen teams fit the export file's tables.
namespace ExportData {

// The rows of the chosen teams (by team code) in the export tables' column order.
Cls_Db_Manager::ExportRows rowsOf(const QSqlDatabase& db, const QList<qint32>& teamCodes);

// Why rows of rowsOf cannot go into the export file, one line per row naming its team (and
// rider or coach), coaches first: an empty name, a rider number that is empty, longer than
// three characters or the same as another exported rider's (compared by value, or as text
// without regard to case, as the export file's key compares them). Empty when all fit.
QStringList unexportable(const Cls_Db_Manager::ExportRows& rows);

} // namespace ExportData
