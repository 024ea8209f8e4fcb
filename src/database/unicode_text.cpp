#include "database/unicode_text.h"

#include "database/db_exception.h"
#include "database/engine_handle.h"

#include <QString>
#include <sqlite3.h>

namespace {

// The text with case folded and accents taken off: the primary ordering key.
QString baseLetters(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString base;
    base.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            base += c;
    return base.toCaseFolded();
}

int collate(void*, int leftBytes, const void* left, int rightBytes, const void* right) {
    return UnicodeText::compare(QString::fromUtf8(static_cast<const char*>(left), leftBytes),
                                QString::fromUtf8(static_cast<const char*>(right), rightBytes));
}

QString textOf(sqlite3_value* value) {
    const void* text = sqlite3_value_text16(value);
    const int bytes = sqlite3_value_bytes16(value);
    return QString(static_cast<const QChar*>(text), bytes / static_cast<int>(sizeof(QChar)));
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString given = textOf(argv[2]);
        if (given.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = given.front();
    }
    sqlite3_result_int(context, UnicodeText::like(textOf(argv[0]), textOf(argv[1]), escape) ? 1 : 0);
}

// Matches pattern[p..] against text[t..]; '%' runs are tried shortest first.
bool matches(const QString& pattern, qsizetype p, const QString& text, qsizetype t, QChar escape) {
    while (p < pattern.size()) {
        const QChar c = pattern[p];
        if (!escape.isNull() && c == escape && p + 1 < pattern.size()) {
            if (t >= text.size() || text[t] != pattern[p + 1])
                return false;
            p += 2;
            ++t;
        } else if (c == u'%') {
            while (p < pattern.size() && pattern[p] == u'%')
                ++p;
            if (p == pattern.size())
                return true;
            for (qsizetype from = t; from <= text.size(); ++from)
                if (matches(pattern, p, text, from, escape))
                    return true;
            return false;
        } else if (c == u'_') {
            if (t >= text.size())
                return false;
            ++p;
            ++t;
        } else {
            if (t >= text.size() || text[t] != c)
                return false;
            ++p;
            ++t;
        }
    }
    return t == text.size();
}

} // namespace

namespace UnicodeText {

int compare(const QString& left, const QString& right) {
    if (const int primary = baseLetters(left).compare(baseLetters(right)))
        return primary;
    return left.toCaseFolded().compare(right.toCaseFolded());
}

bool like(const QString& pattern, const QString& text, QChar escape) {
    return matches(pattern.toCaseFolded(), 0, text.toCaseFolded(), 0, escape.isNull() ? escape : escape.toCaseFolded());
}

void registerOn(const QSqlDatabase& db) {
    sqlite3* connection = engineHandle(db);
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    // In the file's own encoding, so it is found before the engine's ASCII-only NOCASE.
    if (sqlite3_create_collation_v2(connection, "NOCASE", SQLITE_UTF8, nullptr, collate, nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(connection, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(connection, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        throw DbException(QString::fromUtf8(sqlite3_errmsg(connection)));
}

} // namespace UnicodeText
