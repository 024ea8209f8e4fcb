#include "database/unicode_text.h"

#include "database/db_exception.h"
#include "database/engine_handle.h"

#include <QHash>
#include <algorithm>
#include <QString>
#include <sqlite3.h>

namespace {

// What a text is ordered by: its base letters first, then its case-folded self.
struct OrderKey {
    QString base;
    QString folded;
};

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

OrderKey orderKey(const QString& text) {
    return {baseLetters(text), text.toCaseFolded()};
}

int compareKeys(const OrderKey& left, const OrderKey& right) {
    if (const int primary = left.base.compare(right.base))
        return primary;
    return left.folded.compare(right.folded);
}

bool isAscii(const char* text, int bytes) {
    for (int i = 0; i < bytes; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

int asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// For ASCII texts the order key is the text with A to Z folded (nothing decomposes, nothing
// is a mark), so they compare byte by byte without one.
int compareAscii(const char* left, int leftBytes, const char* right, int rightBytes) {
    const int common = std::min(leftBytes, rightBytes);
    for (int i = 0; i < common; ++i) {
        const int a = asciiLower(left[i]);
        const int b = asciiLower(right[i]);
        if (a != b)
            return a - b;
    }
    return leftBytes - rightBytes;
}

// The order keys of the texts one connection has compared. A sort or an index build compares
// each value many times (5,000 names some 25 times each), and a key costs a decomposition and
// two case foldings, so each is made once. The connection calls its collation from one thread
// at a time; the keys are dropped when there get to be many.
class OrderKeys {
public:
    OrderKey of(const char* text, int bytes) {
        const QByteArray utf8 = QByteArray::fromRawData(text, bytes);
        if (const auto found = m_keys.constFind(utf8); found != m_keys.constEnd())
            return *found;
        if (m_keys.size() >= MaxKeys)
            m_keys.clear();
        const OrderKey key = orderKey(QString::fromUtf8(utf8));
        m_keys.insert(QByteArray(text, bytes), key);
        return key;
    }

private:
    static constexpr qsizetype MaxKeys = 50000;
    QHash<QByteArray, OrderKey> m_keys;
};

int collate(void* keys, int leftBytes, const void* left, int rightBytes, const void* right) {
    const char* leftText = static_cast<const char*>(left);
    const char* rightText = static_cast<const char*>(right);
    if (isAscii(leftText, leftBytes) && isAscii(rightText, rightBytes))
        return compareAscii(leftText, leftBytes, rightText, rightBytes);
    auto* known = static_cast<OrderKeys*>(keys);
    const OrderKey leftKey = known->of(leftText, leftBytes);
    return compareKeys(leftKey, known->of(rightText, rightBytes));
}

void dropKeys(void* keys) {
    delete static_cast<OrderKeys*>(keys);
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
    // As in the collation: ASCII texts need no key (a list of teams sorts by this).
    const auto ascii = [](const QString& text) {
        return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    };
    if (ascii(left) && ascii(right))
        return left.compare(right, Qt::CaseInsensitive);
    return compareKeys(orderKey(left), orderKey(right));
}

bool like(const QString& pattern, const QString& text, QChar escape) {
    return matches(pattern.toCaseFolded(), 0, text.toCaseFolded(), 0, escape.isNull() ? escape : escape.toCaseFolded());
}

void registerOn(const QSqlDatabase& db) {
    sqlite3* connection = engineHandle(db);
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    // In the file's own encoding, so it is found before the engine's ASCII-only NOCASE.
    // The engine drops the keys with the collation, but not when it refuses to install it.
    auto* keys = new OrderKeys;
    if (sqlite3_create_collation_v2(connection, "NOCASE", SQLITE_UTF8, keys, collate, dropKeys) != SQLITE_OK) {
        delete keys;
        throw DbException(QString::fromUtf8(sqlite3_errmsg(connection)));
    }
    if (sqlite3_create_function_v2(connection, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(connection, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        throw DbException(QString::fromUtf8(sqlite3_errmsg(connection)));
}

} // namespace UnicodeText
