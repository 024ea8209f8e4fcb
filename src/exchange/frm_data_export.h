#pragma once

#include "ui/entry_window.h"

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

// The export to the state ("Data Export Utility"): every team with a tick box, ten in
// view, and the export of the ticked teams with their coaches and riders into the region's
// export file in a folder the user picks.
class FrmDataExport : public EntryWindow {
    Q_OBJECT
public:
    static constexpr int RowsInView = 10;

    explicit FrmDataExport(RunState& state, QWidget* parent = nullptr);

    int teamCount() const { return static_cast<int>(m_rows.size()); }
    QCheckBox* tickBox(int row) const { return m_rows[static_cast<size_t>(row - 1)].tick; } // rows from 1

public slots:
    void CmdExport_Click();
    void TeamScroll_Change(int value);

private:
    struct Row {
        QLabel* label;
        QCheckBox* tick;
        qint32 teamCode;
    };
    void Load_Team_List();

    std::vector<Row> m_rows;
    QScrollBar* m_TeamScroll = nullptr;
    QPushButton* m_CmdExport = nullptr;
};
