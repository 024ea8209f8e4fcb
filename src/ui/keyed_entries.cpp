#include "ui/keyed_entries.h"

#include <QComboBox>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTreeWidgetItem>

namespace {
constexpr int KeyRole = Qt::UserRole + 1;

qint64 keyFrom(const QVariant& data) {
    bool ok = false;
    const qint64 key = data.toLongLong(&ok);
    return ok ? key : -1;
}
} // namespace

namespace KeyedEntries {

void append(QListWidget* list, const QString& text, qint64 key) {
    auto* item = new QListWidgetItem(text);
    item->setData(KeyRole, key);
    list->addItem(item);
}

void append(QComboBox* box, const QString& text, qint64 key) { box->addItem(text, QVariant(key)); }

void share(const QList<QComboBox*>& boxes, const QList<std::pair<QString, qint64>>& entries, QObject* owner) {
    auto* model = new QStandardItemModel(owner);
    QList<QStandardItem*> items;
    items.reserve(entries.size());
    for (const auto& [text, key] : entries) {
        auto* item = new QStandardItem(text);
        item->setData(QVariant(key), Qt::UserRole); // where QComboBox::addItem keeps it
        items.append(item);
    }
    model->appendColumn(items);
    for (QComboBox* box : boxes) {
        box->setModel(model);
        box->setCurrentIndex(0);
    }
}

void setKey(QTreeWidgetItem* node, qint64 key) { node->setData(0, KeyRole, key); }

qint64 keyAt(const QListWidget* list, int row) {
    const QListWidgetItem* item = row >= 0 ? list->item(row) : nullptr;
    return item ? keyFrom(item->data(KeyRole)) : -1;
}

qint64 keyAt(const QComboBox* box, int index) {
    return index >= 0 && index < box->count() ? keyFrom(box->itemData(index)) : -1;
}

qint64 keyOf(const QTreeWidgetItem* node) { return node ? keyFrom(node->data(0, KeyRole)) : -1; }

int positionOf(const QListWidget* list, qint64 key) {
    for (int row = 0; row < list->count(); ++row)
        if (keyAt(list, row) == key)
            return row;
    return -1;
}

int positionOf(const QComboBox* box, qint64 key) {
    for (int index = 0; index < box->count(); ++index)
        if (keyAt(box, index) == key)
            return index;
    return -1;
}

} // namespace KeyedEntries
