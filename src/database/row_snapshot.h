#pragma once

#include "database/column_map.h"

#include <QByteArray>
#include <QList>
#include <QVariantList>

// The rows a window read, kept until its save to tell whether they are still what the
// window shows. Rows compare by their values and in no particular order, so two reads of
// the same rows are equal whatever order the engine gave them in; rows of different kinds
// (a team's entries, its relay pairs) are added as parts of their own.
class RowSnapshot {
public:
    template <typename Row> RowSnapshot& add(const ColumnMap<Row>& fields, const QList<Row>& rows) {
        QList<QVariantList> values;
        values.reserve(rows.size());
        for (const Row& row : rows)
            values.append(fields.every(row));
        addPart(values);
        return *this;
    }

    bool operator==(const RowSnapshot& other) const { return m_parts == other.m_parts; }

private:
    void addPart(const QList<QVariantList>& rows);

    QList<QList<QByteArray>> m_parts; // each part's rows, written out and sorted
};
