#include "database/meet_schema.h"

#include <QStringList>
#include <stdexcept>

namespace MeetSchema {

namespace {

using T = FieldType;

Field text(const QString& name, int length, bool zeroLengthAllowed) {
    return {name, T::Text, length, zeroLengthAllowed, false};
}
Field number(const QString& name, FieldType type, bool key = false) { return {name, type, 0, false, key}; }

QList<Table> buildTables() {
    return {
        {"TblClass",
         {number("ClassNumber", T::Int16, true), text("ClassName", 40, false), number("MaxEntries", T::Single),
          text("ImagePath", 50, false)}},
        {"TblClassJudges",
         {number("JudgeID", T::Int32), number("ClassNumber", T::Int16), text("Division", 1, false)}},
        {"TblCoach",
         {text("FirstName", 50, false), text("LastName", 50, false), text("Address", 50, true), text("City", 50, true),
          text("Zip", 5, true), text("Primary", 50, true), text("Secondary", 50, true), text("Email", 50, true),
          text("Position", 50, false), number("TeamCode", T::Int32), number("CoachCode", T::AutoNumber, true)}},
        {"TblEntry", {number("ClassNumber", T::Int16), number("RiderIndex", T::Int32)}},
        {"TblJudge",
         {text("FirstName", 50, false), text("LastName", 50, false), text("Address", 50, true), text("City", 50, true),
          text("Zip", 5, true), text("PhoneNumber", 50, true), text("State", 50, true), text("Email", 50, true),
          {"Memo", T::LongText, 0, true, false}, number("JudgeID", T::AutoNumber, true)}},
        {"TblPairing",
         {number("RiderIndex", T::Int32), text("PartnerNumber", 3, false), number("PartnerIndex", T::Int32),
          text("PartnerFirst", 50, false), text("PartnerLast", 50, true)}},
        {"TblPerson",
         {text("FirstName", 50, false), text("LastName", 50, false), text("Address", 50, true), text("City", 50, true),
          text("Zip", 10, true), number("TeamCode", T::Int32), text("RiderNumber", 3, true),
          number("RiderIndex", T::AutoNumber, true)}},
        {"TblPlacing",
         {number("ClassNumber", T::Int16), number("Place", T::Int16), number("RiderIndex", T::Int32),
          number("Points", T::Single), text("Division", 1, false), number("JudgeID", T::Int32)}},
        {"TblTeam",
         {number("TeamCode", T::AutoNumber, true), text("TeamName", 50, false), text("Division", 1, false),
          text("District", 3, true)}},
    };
}

QString quoted(const QString& name) { return u'"' + name + u'"'; }

QString columnDefinition(const Field& field) {
    const QString col = quoted(field.name);
    switch (field.type) {
    case T::Int16:
        return QStringLiteral("%1 INTEGER%2 CHECK (%1 BETWEEN -32768 AND 32767)")
            .arg(col, field.primaryKey ? QStringLiteral(" CONSTRAINT PrimaryKey PRIMARY KEY") : QString());
    case T::Int32:
        return QStringLiteral("%1 INTEGER%2 CHECK (%1 BETWEEN -2147483648 AND 2147483647)")
            .arg(col, field.primaryKey ? QStringLiteral(" CONSTRAINT PrimaryKey PRIMARY KEY") : QString());
    case T::AutoNumber:
        return QStringLiteral("%1 INTEGER CONSTRAINT PrimaryKey PRIMARY KEY AUTOINCREMENT "
                              "CHECK (%1 BETWEEN -2147483648 AND 2147483647)")
            .arg(col);
    case T::Single:
        return col + QStringLiteral(" REAL");
    case T::Text:
        return QStringLiteral("%1 TEXT COLLATE NOCASE%4 CHECK (length(%1) BETWEEN %2 AND %3)")
            .arg(col)
            .arg(field.zeroLengthAllowed ? 0 : 1)
            .arg(field.length)
            .arg(field.primaryKey ? QStringLiteral(" NOT NULL CONSTRAINT PrimaryKey PRIMARY KEY") : QString());
    case T::LongText:
        return col + (field.zeroLengthAllowed ? QStringLiteral(" TEXT COLLATE NOCASE")
                                              : QStringLiteral(" TEXT COLLATE NOCASE CHECK (length(%1) > 0)").arg(col));
    }
    return col;
}

// A server keeps unquoted names in lower case, and the statements name tables and fields
// unquoted, so both meet there; a field the statements must quote (a reserved word) is
// created quoted, in the letter case they quote it in.
QString serverName(const QString& name) {
    static const QStringList quotedByStatements{QStringLiteral("Primary")};
    return quotedByStatements.contains(name) ? quoted(name) : name;
}

QString serverColumnDefinition(const Table& table, const Field& field) {
    const QString col = serverName(field.name);
    // Constraint names are unique per schema there, so each key is named after its table.
    const QString keyName = quoted(table.name + QStringLiteral("_PrimaryKey"));
    const QString key = field.primaryKey ? QStringLiteral(" CONSTRAINT %1 PRIMARY KEY").arg(keyName) : QString();
    const QString text = QStringLiteral("%1 text COLLATE %2").arg(col, serverCaseBlindCollation());
    switch (field.type) {
    case T::Int16:
    case T::Int32:
    case T::Single:
        return col + u' ' + serverType(field.type) + key;
    case T::AutoNumber:
        return col + QStringLiteral(" integer GENERATED BY DEFAULT AS IDENTITY") + key;
    case T::Text:
        return QStringLiteral("%1%2 CHECK (length(%3) BETWEEN %4 AND %5)")
            .arg(text, field.primaryKey ? QStringLiteral(" NOT NULL") + key : QString(), col)
            .arg(field.zeroLengthAllowed ? 0 : 1)
            .arg(field.length);
    case T::LongText:
        return field.zeroLengthAllowed ? text : QStringLiteral("%1 CHECK (length(%2) > 0)").arg(text, col);
    }
    return col;
}

QList<Table> buildExportTables() {
    Field riderNumber = text("RiderNumber", 3, false);
    riderNumber.primaryKey = true;
    return {
        {"TblCoach",
         {text("FirstName", 50, false), text("LastName", 50, false), text("Position", 50, false),
          number("TeamCode", T::Int32), number("CoachCode", T::Int32, true)}},
        {"TblPerson",
         {number("RiderIndex", T::Int32), text("FirstName", 50, false), text("LastName", 50, false),
          number("TeamCode", T::Int32), riderNumber}},
        {"TblTeam",
         {number("TeamCode", T::Int32, true), text("TeamName", 50, false), text("Division", 1, false),
          text("District", 3, true)}},
    };
}

} // namespace

const QList<Table>& exportTables() {
    static const QList<Table> all = buildExportTables();
    return all;
}

const QList<Table>& tables() {
    static const QList<Table> all = buildTables();
    return all;
}

const Table& table(const QString& name) {
    for (const Table& t : tables())
        if (t.name == name)
            return t;
    throw std::out_of_range("no such meet table");
}

QString createStatement(const Table& table, MeetLocation::Engine engine) {
    const bool server = engine == MeetLocation::Engine::Server;
    QStringList columns;
    for (const Field& field : table.fields)
        columns << (server ? serverColumnDefinition(table, field) : columnDefinition(field));
    const QString body = columns.join(QStringLiteral(",\n  "));
    if (server)
        return QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(serverName(table.name), body);
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n) STRICT").arg(quoted(table.name), body);
}

QStringList preparationStatements(MeetLocation::Engine engine) {
    if (engine != MeetLocation::Engine::Server)
        return {};
    // ICU's root order at secondary strength: case ignored, accents not, as the file's NOCASE.
    return {QStringLiteral("CREATE COLLATION IF NOT EXISTS %1 (provider = icu, locale = 'und-u-ks-level2', "
                           "deterministic = false)")
                .arg(serverCaseBlindCollation()),
            QStringLiteral("CREATE COLLATION IF NOT EXISTS %1 (provider = icu, locale = 'und')")
                .arg(serverSearchCollation())};
}

QString serverType(FieldType type) {
    switch (type) {
    case T::Int16:
        return QStringLiteral("smallint");
    case T::Int32:
    case T::AutoNumber:
        return QStringLiteral("integer");
    case T::Single:
        return QStringLiteral("real");
    case T::Text:
    case T::LongText:
        return QStringLiteral("text");
    }
    return {};
}

} // namespace MeetSchema
