#pragma once

#include <QList>
#include <QtGlobal>
#include <utility>

class QComboBox;
class QListWidget;
class QObject;
class QString;
class QTreeWidgetItem;

// The record key of each entry of a list, combo box or tree is kept with the entry itself
// (as item data), so a chosen entry maps back to its record by the entry and never by its
// shown text. Positions that hold no entry answer the key -1.
namespace KeyedEntries {

void append(QListWidget* list, const QString& text, qint64 key);
void append(QComboBox* box, const QString& text, qint64 key);
void setKey(QTreeWidgetItem* node, qint64 key);

// Gives every box the same entries (text and key), made once in one step and held by one
// model that `owner` keeps: lists offering the same few hundred choices (the places of a
// class) share them instead of each making its own. Each box shows its first entry and keeps
// its own choice; an entry appended to one of them afterwards would show in all.
void share(const QList<QComboBox*>& boxes, const QList<std::pair<QString, qint64>>& entries, QObject* owner);

qint64 keyAt(const QListWidget* list, int row);
qint64 keyAt(const QComboBox* box, int index);
qint64 keyOf(const QTreeWidgetItem* node);

// The first position holding the key, or -1.
int positionOf(const QListWidget* list, qint64 key);
int positionOf(const QComboBox* box, qint64 key);

} // namespace KeyedEntries
