#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlDatabase;

// The rows of a meet as values, which carry a meet from one engine to the other: a server meet
// into a backup file, a meet file onto a server. Keys travel with their rows, so every reference
// between the tables stays as it was. Table and field names come from MeetSchema only.
namespace MeetRows {

struct Content {
    QHash<QString, QList<QVariantList>> rows; // table name -> its rows, fields in column order
    QHash<QString, qint64> keyCounters;       // table name -> the highest auto-number it has given
};

// Every row of the nine tables of the open meet `db` (either engine), and the counters of its
// auto-numbers; read in the caller's transaction, if any.
Content read(const QSqlDatabase& db);

// Inserts every row, keys kept, into the nine empty tables of `db`, then moves each auto-number
// past the counter of `content`, its own and the highest key, so that no new row gets a number
// that was ever given. Callers bracket it in one transaction.
void write(const QSqlDatabase& db, const Content& content);

// Deletes every row of the nine tables.
void clear(const QSqlDatabase& db);

// Whether the meet holds anything besides its class line-up, which every new meet has.
bool holdsEntries(const QSqlDatabase& db);

} // namespace MeetRows
