#pragma once

#include <QSet>
#include <QString>
#include <optional>

// A rider's back number: text of at most three characters, read as a 16-bit whole number
// wherever numbers are compared, so "007" and "7" are the same back number.
namespace BackNumber {

constexpr int MaxLength = 3;

// The value of a typed number: optional blanks around an optionally signed run of digits
// that fits a 16-bit whole number. Anything else has no value.
std::optional<qint16> value(const QString& text);

// The plain decimal form of a typed number ("007" gives "7"), or nothing when it has no value.
std::optional<QString> plain(const QString& text);

// Same back number: equal values when both have one, otherwise equal texts.
bool same(const QString& a, const QString& b);

// Orders back numbers as a secretary reads them: by value ("9" before "10"), numbers
// without a value after those with one, by their text.
bool before(const QString& a, const QString& b);

// A set of back numbers that answers "is the same back number already in?" at once. Numbers
// without a value are the same when their texts differ only in case ("a1" and "A1"), as the
// meet database and the export file compare text.
class Set {
public:
    bool contains(const QString& number) const;
    void insert(const QString& number);

private:
    QSet<qint16> m_values;
    QSet<QString> m_texts; // numbers without a value, case folded
};

} // namespace BackNumber
