#include "report_engine/report_rows.h"

#include <QSqlRecord>
#include <stdexcept>

RowFields::RowFields(QStringList names) : m_names(std::move(names)) {
    for (int i = 0; i < m_names.size(); ++i) {
        const QString key = m_names[i].toCaseFolded();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

int RowFields::indexOf(const QString& name) const {
    // Reports ask for the same few names once per row: case folding each time would cost
    // more than the rest of the lookup.
    if (const auto asked = m_asked.constFind(name); asked != m_asked.constEnd())
        return *asked;
    int index = m_index.value(name.toCaseFolded(), -1);
    if (const qsizetype dot = name.lastIndexOf(u'.'); index < 0 && dot >= 0)
        index = m_index.value(name.mid(dot + 1).toCaseFolded(), -1);
    m_asked.insert(name, index);
    return index;
}

RowSet::RowSet() : m_fields(std::make_shared<RowFields>(QStringList())) {}

RowSet::RowSet(QString name, QStringList fields)
    : m_name(std::move(name)), m_fields(std::make_shared<RowFields>(std::move(fields))) {}

RowSet::RowSet(QString name, std::shared_ptr<const RowFields> fields)
    : m_name(std::move(name)), m_fields(std::move(fields)) {}

RowSet RowSet::fromQuery(const QString& name, CheckedQuery& query) {
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    RowSet result(name, names);
    while (query.next()) {
        QVariantList values;
        values.reserve(names.size());
        for (int i = 0; i < names.size(); ++i)
            values << query.value(i);
        result.append(std::move(values));
    }
    return result;
}

const ReportRow& RowSet::at(int i) const { return m_rows.at(static_cast<size_t>(i)); }
ReportRow& RowSet::at(int i) { return m_rows.at(static_cast<size_t>(i)); }

ReportRow& RowSet::append(QVariantList values) {
    const qsizetype width = m_fields->names().size();
    if (values.size() > width)
        throw std::invalid_argument("a row holds more values than its set has fields");
    while (values.size() < width)
        values << QVariant();
    m_rows.push_back(ReportRow{std::move(values), nullptr});
    return m_rows.back();
}

void RowSet::append(ReportRow row) {
    if (row.values.size() != m_fields->names().size())
        throw std::invalid_argument("a row does not match its set's fields");
    m_rows.push_back(std::move(row));
}

QVariant RowSet::value(int i, const QString& field) const {
    const int index = fieldIndex(field);
    return index < 0 ? QVariant() : at(i).values.at(index);
}
