#include "ui/partner_box.h"

#include <QAbstractItemView>

PartnerBox::PartnerBox(QWidget* parent) : QComboBox(parent) {}

void PartnerBox::makeEditable(QAbstractItemModel* choices) {
    if (isEditable())
        return;
    setEditable(true);
    if (choices)
        setModel(choices);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
    setEditText(QString());
}
