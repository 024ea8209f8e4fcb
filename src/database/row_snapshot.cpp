#include "database/row_snapshot.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>

void RowSnapshot::addPart(const QList<QVariantList>& rows) {
    QList<QByteArray> part;
    part.reserve(rows.size());
    for (const QVariantList& row : rows) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << row; // types and nulls included: a NULL and an empty text differ
        part.append(bytes);
    }
    std::sort(part.begin(), part.end());
    m_parts.append(part);
}
