#include "report_engine/row_shaping.h"

#include <stdexcept>

namespace {

int requireField(const RowSet& rows, const QString& field) {
    const int index = rows.fieldIndex(field);
    if (index < 0)
        throw std::invalid_argument(QStringLiteral("the rows %1 have no field %2").arg(rows.name(), field).toStdString());
    return index;
}

// A key under which equal values meet: numbers by value, text without regard to case.
QString keyOf(const QVariant& value) {
    if (value.isNull())
        return QStringLiteral("\x01null");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::Double:
    case QMetaType::Float:
        return QStringLiteral("\x02") + QString::number(value.toDouble(), 'g', 17);
    default:
        return value.toString().toCaseFolded();
    }
}

} // namespace

namespace RowShaping {

RowSet relate(const RowSet& parents, const QString& parentKey, const RowSet& children, const QString& childKey,
              const QString& childName) {
    const int parentIndex = requireField(parents, parentKey);
    const int childIndex = requireField(children, childKey);

    QHash<QString, std::shared_ptr<RowSet>> byKey;
    for (const ReportRow& parent : parents.rows()) {
        const QString key = keyOf(parent.values.at(parentIndex));
        if (!byKey.contains(key))
            byKey.insert(key, std::make_shared<RowSet>(childName, children.fieldTable()));
    }
    for (const ReportRow& child : children.rows()) {
        const auto found = byKey.constFind(keyOf(child.values.at(childIndex)));
        if (found != byKey.constEnd())
            (*found)->append(child);
    }

    RowSet result(parents.name(), parents.fieldTable());
    for (const ReportRow& parent : parents.rows()) {
        // Parents with equal keys each get their own copy of the children.
        const std::shared_ptr<RowSet>& shared = byKey.value(keyOf(parent.values.at(parentIndex)));
        result.append(ReportRow{parent.values, std::make_shared<RowSet>(*shared)});
    }
    return result;
}

RowSet group(const RowSet& rows, const QStringList& byFields, const QString& groupName) {
    QList<int> indexes;
    QStringList names;
    for (const QString& field : byFields) {
        indexes << requireField(rows, field);
        names << rows.fields().at(indexes.last());
    }

    RowSet result(groupName, names);
    QHash<QString, int> groupOf;
    for (const ReportRow& row : rows.rows()) {
        QString key;
        QVariantList values;
        for (int index : indexes) {
            key += keyOf(row.values.at(index)) + QChar(0x1F);
            values << row.values.at(index);
        }
        auto found = groupOf.find(key);
        if (found == groupOf.end()) {
            found = groupOf.insert(key, result.size());
            result.append(std::move(values)).children = std::make_shared<RowSet>(rows.name(), rows.fieldTable());
        }
        result.at(*found).children->append(row);
    }
    return result;
}

} // namespace RowShaping
