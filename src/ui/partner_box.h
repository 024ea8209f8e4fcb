#pragma once

#include <QComboBox>

class QAbstractItemModel;

// The relay partner box of a row of the entry grid: a drop-down of the team's back
// numbers in which a number may also be typed. What is typed stays as typed: it is not
// completed to a longer number of the list ("2" does not become "20"), and it is not added
// to the list, which every row's box shares.
class PartnerBox : public QComboBox {
    Q_OBJECT
public:
    explicit PartnerBox(QWidget* parent);

    // Opens the box for typing over the shared list of numbers, empty; once is enough.
    void makeEditable(QAbstractItemModel* choices);
};
