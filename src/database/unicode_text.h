#pragma once

#include <QString>

class QSqlDatabase;

// Case-blind text for every letter, not only ASCII. The engine's own NOCASE collation and
// LIKE fold A to Z alone; these replace both on the program's own connections, so the
// meet database file itself stays readable by any SQLite tool.
namespace UnicodeText {

// Orders text as the secretary reads it: letters with accents among their base letters,
// case ignored; texts differing only in case compare equal.
int compare(const QString& left, const QString& right);

// SQL LIKE with '%', '_' and an optional escape character, case ignored for every letter.
bool like(const QString& pattern, const QString& text, QChar escape);

// Installs the collation NOCASE and the function LIKE on an open connection.
// Throws DbException when the engine refuses them.
void registerOn(const QSqlDatabase& db);

} // namespace UnicodeText
