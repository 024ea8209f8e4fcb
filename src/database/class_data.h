#pragma once

#include "database/class_lineup.h"

#include <QSqlDatabase>

// TblClass reads and writes shared by the windows that list or switch classes.
namespace ClassData {

QList<ClassRow> all(const QSqlDatabase& db);
QString className(const QSqlDatabase& db, int classNumber);

// Writes the given rows over the classes of the same numbers, in one transaction.
void update(const QSqlDatabase& db, const QList<ClassRow>& rows);

// Inserts rows into an empty TblClass; the caller brackets it in its transaction.
void insert(const QSqlDatabase& db, const QList<ClassRow>& rows);

} // namespace ClassData
