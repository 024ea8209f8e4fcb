#include "database/row_snapshot.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>

namespace {

template <typename T> void appendRaw(QByteArray& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Appends a value with its type and whether it is null, so that a NULL, an empty text and a
// zero all differ. Texts and numbers, nearly all a row holds, are written directly; writing
// them through a data stream cost a numbering run more than reading the rows.
void appendValue(QByteArray& out, const QVariant& value) {
    const int type = value.typeId();
    appendRaw(out, type);
    out.append(value.isNull() ? '\0' : '\1');
    if (value.isNull())
        return;
    switch (type) {
    case QMetaType::QString: {
        const QString text = value.toString();
        out.append(text.isNull() ? '\0' : '\1'); // a text read from a NULL is a null text
        appendRaw(out, text.size());
        out.append(reinterpret_cast<const char*>(text.constData()), text.size() * qsizetype(sizeof(QChar)));
        break;
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        appendRaw(out, value.toLongLong());
        break;
    case QMetaType::Double:
        appendRaw(out, value.toDouble());
        break;
    default: {
        QByteArray written;
        QDataStream stream(&written, QIODevice::WriteOnly);
        stream << value;
        appendRaw(out, written.size());
        out.append(written);
    }
    }
}

} // namespace

void RowSnapshot::addPart(const QList<QVariantList>& rows) {
    QList<QByteArray> part;
    part.reserve(rows.size());
    QByteArray bytes; // written again for each row, keeping its room
    for (const QVariantList& row : rows) {
        bytes.resize(0);
        appendRaw(bytes, row.size());
        for (const QVariant& value : row)
            appendValue(bytes, value);
        part.append(QByteArray(bytes.constData(), bytes.size()));
    }
    std::sort(part.begin(), part.end());
    m_parts.append(part);
}
