#pragma once

#include "database/checked_query.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

struct ReportRow;

// The field names of a set of rows, with a lookup that ignores letter case and, for a
// qualified name ("TblPlacing.ClassNumber"), falls back to the part after the last dot.
class RowFields {
public:
    explicit RowFields(QStringList names);
    const QStringList& names() const { return m_names; }
    int indexOf(const QString& name) const; // -1 when absent

private:
    QStringList m_names;
    QHash<QString, int> m_index;         // by case-folded name
    mutable QHash<QString, int> m_asked; // names asked for, as asked
};

// Rows of a report: each row holds its values and, for hierarchical data, one set of
// child rows. Parent and child sets are built by the helpers in RowShaping.
class RowSet {
public:
    RowSet();
    RowSet(QString name, QStringList fields);
    RowSet(QString name, std::shared_ptr<const RowFields> fields);

    // Every row of an executed query, columns in the query's order.
    static RowSet fromQuery(const QString& name, CheckedQuery& query);

    const QString& name() const { return m_name; }
    const QStringList& fields() const { return m_fields->names(); }
    const std::shared_ptr<const RowFields>& fieldTable() const { return m_fields; }
    int fieldIndex(const QString& field) const { return m_fields->indexOf(field); }

    bool isEmpty() const { return m_rows.empty(); }
    int size() const { return static_cast<int>(m_rows.size()); }
    const ReportRow& at(int i) const;
    ReportRow& at(int i);
    const std::vector<ReportRow>& rows() const { return m_rows; }

    // Appends a row; missing values are null, extra values are an error.
    ReportRow& append(QVariantList values);
    void append(ReportRow row);

    // The value of `field` in row i; an invalid QVariant when the field is unknown.
    QVariant value(int i, const QString& field) const;

private:
    QString m_name;
    std::shared_ptr<const RowFields> m_fields;
    std::vector<ReportRow> m_rows;
};

struct ReportRow {
    QVariantList values;
    std::shared_ptr<RowSet> children; // null when the row has no child level
};
