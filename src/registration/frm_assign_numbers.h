#pragma once

#include "database/row_snapshot.h"
#include "registration/number_arrangement.h"
#include "ui/entry_window.h"

#include <QHash>

class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RunState;

// The rider number window ("Assign Numbers"): every team and rider of the meet in a tree,
// and back numbers given at random or in sequence from a range, or one rider at a time.
// While it is open the main window is disabled.
class FrmAssignNumbers : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmAssignNumbers(RunState& state, QWidget* parent = nullptr);

    void Load_Tree();
    bool Write_Numbers(const NumberArrangement& arrangement);

    // The tree node of a key ("Root", "Team12", "Rider40"), or nullptr.
    QTreeWidgetItem* node(const QString& key) const;
    static QString keyOf(const QTreeWidgetItem* node);

public slots:
    void CmdRandom_Click();
    void CmdRandSubmit_Click();
    void CmdRandCancel_Click();
    void cmdSequential_Click();
    void CmdSeqSubmit_Click();
    void CmdSeqCancel_Click();
    void CmdIndividual_Click();
    void TVNumberAssign_NodeClick(QTreeWidgetItem* Node);
    void CmdEditSubmit_Click();
    void CmdEditCancel_Click();
    void CmdIndividualExit_Click();
    void CmdClose_Click();

    // Every change is stored as it is made: nothing is lost by closing.
    bool Query_Close() override { return true; }


private:
    enum class Order { Random, Sequential };
    void buildFrames();
    // The names and handlers of one of the two range frames (random, sequential).
    struct RangeFrameParts {
        QString frame;
        QString caption;
        QString fromBox;
        QString toBox;
        QString submit;
        QString cancel;
        void (FrmAssignNumbers::*onSubmit)();
        void (FrmAssignNumbers::*onCancel)();
    };
    QGroupBox* buildRangeFrame(const RangeFrameParts& parts, QLineEdit*& from, QLineEdit*& to);
    void submitRange(QLineEdit* from, QLineEdit* to, Order order, const QString& success);
    void endRangeMode(QWidget* frame, QLineEdit* from, QLineEdit* to);
    void startRangeMode(QWidget* frame, QLineEdit* from, QLineEdit* to);
    void markNode(QTreeWidgetItem* node, bool editing);

    struct RiderName {
        QString first;
        QString last;
    };

    QTreeWidget* m_TVNumberAssign = nullptr;
    QFrame* m_FraButtons = nullptr;
    QGroupBox* m_FraRandom = nullptr;
    QGroupBox* m_FraSequential = nullptr;
    QFrame* m_FraIndividual = nullptr;
    QGroupBox* m_FraEditNumber = nullptr;
    QLineEdit* m_TxtRandRange1 = nullptr;
    QLineEdit* m_TxtRandRange2 = nullptr;
    QLineEdit* m_TxtSeqRange1 = nullptr;
    QLineEdit* m_TxtSeqRange2 = nullptr;
    QLineEdit* m_TxtRiderNumber = nullptr;
    QPushButton* m_CmdClose = nullptr;
    QTreeWidgetItem* m_editedNode = nullptr;
    QHash<QString, QTreeWidgetItem*> m_nodes;
    QHash<qint32, RiderName> m_riderNames;
    RowSnapshot m_loadedRiders; // the riders the tree shows, for a run to check they are still so
    int m_riderCount = 0;
};
