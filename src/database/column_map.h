#pragma once

#include "database/checked_query.h"
#include "database/sql.h"

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <functional>
#include <stdexcept>

// How one kind of row is read and written: each column is named once, beside the member that
// holds it, and the column list of a select, the insert and update texts, the bound values and
// the reading of a row all follow from that one list. Columns are found in a result by name,
// once per query, so a select may name them in any order and qualify them with their table.
template <typename Row> class ColumnMap {
public:
    // The table's auto-number: read, never written by insert or update (update finds the row by it).
    template <typename T> ColumnMap& key(const QString& column, T Row::*member) { return add(column, member, true); }
    template <typename T> ColumnMap& field(const QString& column, T Row::*member) { return add(column, member, false); }

    // A member read from two name columns, as "first last"; for rows that are only read.
    ColumnMap& fullName(const QString& firstColumn, const QString& lastColumn, QString Row::*member) {
        add(firstColumn, member, false);
        m_fields.last().set = [member](Row& r, const QVariant& v) { r.*member = v.toString(); };
        add(lastColumn, member, false);
        m_fields.last().set = [member](Row& r, const QVariant& v) {
            // One allocation for the whole name: reports read thousands of names at once.
            QString& name = r.*member;
            const QString last = v.toString();
            name.reserve(name.size() + 1 + last.size());
            name.append(u' ').append(last);
        };
        return *this;
    }

    // "TblPerson.RiderIndex, TblPerson.FirstName, ...": every column, for a select.
    QString columns() const {
        QStringList all;
        for (const Field& f : m_fields)
            all << f.column;
        return all.join(QStringLiteral(", "));
    }
    QString insert(const QString& table) const {
        QStringList names, marks;
        for (const Field& f : written()) {
            names << f.name;
            marks << QStringLiteral("?");
        }
        return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    }
    // Binds values() followed by the key.
    QString update(const QString& table) const {
        QStringList sets;
        for (const Field& f : written())
            sets << f.name + QStringLiteral(" = ?");
        return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
            .arg(table, sets.join(QStringLiteral(", ")), keyField().name);
    }
    // Inserts `row` into `table` and answers the auto-number the engine gave it.
    QVariant insertReturningKey(const QSqlDatabase& db, const QString& table, const Row& row) const {
        return Sql::insertReturningKey(db, insert(table), values(row), keyField().name);
    }
    // The written columns' values, in the order of insert() and update().
    QVariantList values(const Row& row) const {
        QVariantList all;
        for (const Field& f : written())
            all << f.get(row);
        return all;
    }
    QVariantList valuesThenKey(const Row& row) const { return values(row) << keyField().get(row); }
    // Every column's value, the key included, in the order of columns(): the row as it was read.
    QVariantList every(const Row& row) const {
        QVariantList all;
        for (const Field& f : m_fields)
            all << f.get(row);
        return all;
    }

    // "SELECT <every column> " + rest, read into rows; rest starts with FROM.
    QList<Row> select(const QSqlDatabase& db, const QString& rest, const QVariantList& values = {}) const {
        return readAll(Sql::exec(db, QStringLiteral("SELECT ") + columns() + u' ' + rest, values));
    }

    QList<Row> readAll(CheckedQuery query) const {
        QList<Row> rows;
        QList<int> positions;
        while (query.next()) {
            if (positions.isEmpty())
                positions = positionsIn(query.record());
            rows.append(read(query, positions));
        }
        return rows;
    }
    // Where each column stands in a result; a column the select lacks is a fault of the program.
    QList<int> positionsIn(const QSqlRecord& record) const {
        QList<int> positions;
        for (const Field& f : m_fields) {
            const int at = record.indexOf(f.label);
            if (at < 0)
                throw std::logic_error("a query does not select the column " + f.label.toStdString());
            positions << at;
        }
        return positions;
    }
    Row read(const CheckedQuery& query, const QList<int>& positions) const {
        Row row{};
        for (qsizetype i = 0; i < m_fields.size(); ++i)
            m_fields[i].set(row, query.value(positions[i]));
        return row;
    }

private:
    struct Field {
        QString column; // as the select names it, perhaps table-qualified
        QString name;   // as insert and update name it, quoted where the select quoted it
        QString label;  // as the result names it
        bool key;
        std::function<QVariant(const Row&)> get;
        std::function<void(Row&, const QVariant&)> set;
    };

    template <typename T> ColumnMap& add(const QString& column, T Row::*member, bool key) {
        const QString name = column.mid(column.lastIndexOf(u'.') + 1);
        m_fields.append({column, name, QString(name).remove(u'"'), key,
                         [member](const Row& r) { return QVariant::fromValue(r.*member); },
                         [member](Row& r, const QVariant& v) { r.*member = v.value<T>(); }});
        return *this;
    }
    QList<Field> written() const {
        QList<Field> all;
        for (const Field& f : m_fields)
            if (!f.key)
                all << f;
        return all;
    }
    const Field& keyField() const {
        for (const Field& f : m_fields)
            if (f.key)
                return f;
        throw std::logic_error("these rows have no key");
    }

    QList<Field> m_fields;
};
