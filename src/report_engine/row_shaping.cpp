#include "report_engine/row_shaping.h"

#include <stdexcept>

namespace {

int requireField(const RowSet& rows, const QString& field) {
    const int index = rows.fieldIndex(field);
    if (index < 0)
        throw std::invalid_argument(QStringLiteral("the rows %1 have no field %2").arg(rows.name(), field).toStdString());
    return index;
}

// A value as rows meet on it: numbers by value, whatever their type, and text without regard
// to case. Kept as a number rather than as text: relating thousands of rows on their record
// keys spent most of its time writing numbers out.
struct ShapingKey {
    enum class Kind : quint8 { Null, Number, Text };
    Kind kind = Kind::Null;
    double number = 0;
    QString text;

    explicit ShapingKey(const QVariant& value) {
        if (value.isNull())
            return;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Double:
        case QMetaType::Float:
            kind = Kind::Number;
            number = value.toDouble();
            if (number == 0)
                number = 0; // minus zero meets zero, and hashes alike
            break;
        default:
            kind = Kind::Text;
            text = value.toString().toCaseFolded();
        }
    }
    bool operator==(const ShapingKey& other) const {
        return kind == other.kind && number == other.number && text == other.text;
    }
};

size_t qHash(const ShapingKey& key, size_t seed = 0) {
    return qHashMulti(seed, static_cast<int>(key.kind), key.number, key.text);
}

} // namespace

namespace RowShaping {

RowSet relate(const RowSet& parents, const QString& parentKey, const RowSet& children, const QString& childKey,
              const QString& childName) {
    const int parentIndex = requireField(parents, parentKey);
    const int childIndex = requireField(children, childKey);

    // Each parent's key made once; parents with equal keys share one entry.
    struct Children {
        std::shared_ptr<RowSet> rows;
        bool given = false;
    };
    QList<ShapingKey> keys;
    keys.reserve(parents.size());
    QHash<ShapingKey, Children> byKey;
    byKey.reserve(parents.size());
    for (const ReportRow& parent : parents.rows()) {
        keys.emplaceBack(parent.values.at(parentIndex));
        Children& entry = byKey[keys.back()];
        if (!entry.rows)
            entry.rows = std::make_shared<RowSet>(childName, children.fieldTable());
    }
    for (const ReportRow& child : children.rows()) {
        const auto found = byKey.find(ShapingKey(child.values.at(childIndex)));
        if (found != byKey.end())
            found->rows->append(child);
    }

    RowSet result(parents.name(), parents.fieldTable());
    for (int i = 0; i < parents.size(); ++i) {
        // Parents with equal keys each get their own copy of the children.
        Children& entry = byKey[keys[i]];
        std::shared_ptr<RowSet> own = entry.given ? std::make_shared<RowSet>(*entry.rows) : entry.rows;
        entry.given = true;
        result.append(ReportRow{parents.at(i).values, std::move(own)});
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
    QHash<QList<ShapingKey>, int> groupOf;
    for (const ReportRow& row : rows.rows()) {
        QList<ShapingKey> key;
        QVariantList values;
        for (int index : indexes) {
            key.emplaceBack(row.values.at(index));
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
