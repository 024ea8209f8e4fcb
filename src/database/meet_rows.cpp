#include "database/meet_rows.h"

#include "database/meet_engine.h"
#include "database/meet_schema.h"
#include "database/sql.h"

#include <QStringList>
#include <algorithm>

namespace MeetRows {

namespace {

const MeetSchema::Field* autoNumberOf(const MeetSchema::Table& table) {
    for (const MeetSchema::Field& field : table.fields)
        if (field.type == MeetSchema::FieldType::AutoNumber)
            return &field;
    return nullptr;
}

QString fieldList(const MeetSchema::Table& table) {
    QStringList names;
    for (const MeetSchema::Field& field : table.fields)
        names << MeetSchema::statementName(field.name);
    return names.join(QStringLiteral(", "));
}

// The highest number the auto-number has given (0 for none): a file keeps it in sqlite_sequence, a
// server in the column's identity sequence, whose table name it reads as a statement would
// (lower case) and whose field name it takes as written.
qint64 keyCounter(const QSqlDatabase& db, const MeetSchema::Table& table, const MeetSchema::Field& key) {
    if (MeetEngine::onServer(db))
        return Sql::scalar(db, QStringLiteral("SELECT pg_sequence_last_value(pg_get_serial_sequence(?, ?)::regclass)"),
                           {table.name, key.name.toLower()})
            .toLongLong();
    return Sql::scalar(db, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {table.name}).toLongLong();
}

void raiseKeyCounter(const QSqlDatabase& db, const MeetSchema::Table& table, const MeetSchema::Field& key,
                     qint64 given) {
    const qint64 highestKey =
        Sql::scalar(db, QStringLiteral("SELECT max(%1) FROM %2")
                            .arg(MeetSchema::statementName(key.name), MeetSchema::statementName(table.name)))
            .toLongLong();
    const qint64 counter = std::max({given, highestKey, keyCounter(db, table, key)});
    if (counter <= 0)
        return; // nothing given yet: the first new row gets 1
    if (MeetEngine::onServer(db)) {
        Sql::exec(db, QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), ?)"),
                  {table.name, key.name.toLower(), counter});
        return;
    }
    Sql::exec(db, QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), {table.name});
    Sql::exec(db, QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), {table.name, counter});
}

} // namespace

Content read(const QSqlDatabase& db) {
    Content content;
    for (const MeetSchema::Table& table : MeetSchema::tables()) {
        QList<QVariantList>& rows = content.rows[table.name];
        CheckedQuery query = Sql::exec(
            db, QStringLiteral("SELECT %1 FROM %2").arg(fieldList(table), MeetSchema::statementName(table.name)));
        while (query.next()) {
            QVariantList row;
            for (qsizetype i = 0; i < table.fields.size(); ++i)
                row << query.value(static_cast<int>(i));
            rows << row;
        }
        if (const MeetSchema::Field* key = autoNumberOf(table))
            content.keyCounters.insert(table.name, keyCounter(db, table, *key));
    }
    return content;
}

void write(const QSqlDatabase& db, const Content& content) {
    for (const MeetSchema::Table& table : MeetSchema::tables()) {
        const QStringList marks(table.fields.size(), QStringLiteral("?"));
        Sql::insertEach(
            db,
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(MeetSchema::statementName(table.name), fieldList(table), marks.join(QStringLiteral(", "))),
            content.rows.value(table.name));
        if (const MeetSchema::Field* key = autoNumberOf(table))
            raiseKeyCounter(db, table, *key, content.keyCounters.value(table.name));
    }
}

void clear(const QSqlDatabase& db) {
    for (const MeetSchema::Table& table : MeetSchema::tables())
        Sql::exec(db, QStringLiteral("DELETE FROM %1").arg(MeetSchema::statementName(table.name)));
}

bool holdsEntries(const QSqlDatabase& db) {
    for (const MeetSchema::Table& table : MeetSchema::tables())
        if (table.name != QLatin1String("TblClass") &&
            Sql::scalar(db,
                        QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(MeetSchema::statementName(table.name)))
                .toBool())
            return true;
    return false;
}

} // namespace MeetRows
