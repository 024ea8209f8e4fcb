#pragma once

#include "database/meet_location.h"

#include <QList>
#include <QString>
#include <QStringList>

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

// CREATE TABLE text for one table. In a file: STRICT, COLLATE NOCASE text, CHECK constraints
// for lengths, zero-length rules and integer ranges, AUTOINCREMENT keys. On a server: the same
// names (left unquoted, as the statements name them), smallint and integer for the ranges, text
// case-blind through the collation nocase, the same CHECK constraints on texts, identity keys,
// each table's key constraint named after its table.
QString createStatement(const Table& table, MeetLocation::Engine engine = MeetLocation::Engine::File);

// What a database needs before its tables are created: on a server the two collations the
// tables and the rider search use; nothing in a file.
QStringList preparationStatements(MeetLocation::Engine engine);

// A table or field name as statements write it on either engine: unquoted, but quoted when it is
// a reserved word ("Primary"), in the letter case the tables were created with.
QString statementName(const QString& name);

// The type a field has on a server, as the server's catalogue names it ("smallint").
QString serverType(FieldType type);

// On a server: the collation that compares and sorts text case-blind (deterministic = false,
// so a LIKE cannot use it) and the one for case-blind searching with ILIKE.
inline QString serverCaseBlindCollation() { return QStringLiteral("nocase"); }
inline QString serverSearchCollation() { return QStringLiteral("nocase_search"); }

} // namespace MeetSchema
