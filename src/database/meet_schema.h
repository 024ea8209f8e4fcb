#pragma once

#include <QList>
#include <QString>

// The nine tables of a meet database, as data: the creation DDL and the check that an
// existing file is a usable meet database both come from these definitions.
namespace MeetSchema {

enum class FieldType { Int16, Int32, Single, Text, LongText, AutoNumber };

struct Field {
    QString name;
    FieldType type;
    int length = 0;                 // text (N): at most N characters
    bool zeroLengthAllowed = false; // text only: an empty string is refused unless set
    bool primaryKey = false;
};

struct Table {
    QString name;
    QList<Field> fields;
};

// All nine tables, in creation order, fields in column order.
const QList<Table>& tables();
const Table& table(const QString& name);

// The three tables of an export file for the state level, in creation order: keys kept
// from the meet database (no auto-numbers), every text but District non-empty.
const QList<Table>& exportTables();

// CREATE TABLE text for one table: STRICT, COLLATE NOCASE text, CHECK constraints for
// lengths, zero-length rules and integer ranges, AUTOINCREMENT keys.
QString createStatement(const Table& table);

} // namespace MeetSchema
