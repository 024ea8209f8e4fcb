#pragma once

#include "database/class_data.h"
#include "ui/check_box_grid.h"
#include "ui/entry_window.h"

class QPushButton;

// An entry window around a check-box grid (a team's class entries, a division's judge
// assignments): as large as the screen allows, the grid with the class label pictures
// over its columns, and Submit (named CmdApply) and Cancel placed beneath the grid.
class GridWindow : public EntryWindow {
    Q_OBJECT
public:
    CheckBoxGrid& grid() const { return *m_grid; }

    // The window's Submit button is named CmdApply.
    void CmdApply_Click() { CmdSubmit_Click(); }

protected:
    GridWindow(RunState& state, const QString& objectName, const QString& caption, CheckBoxGrid::Shape shape,
               QWidget* parent);

    // Places the window, gives each of classes 1 to 17 its label picture (and the partner
    // column its own, when the grid has one), lays the grid out for the rows' captions
    // and puts the buttons beneath it.
    void buildGrid(const QList<ClassRow>& classes, const QStringList& captions);

private:
    CheckBoxGrid* m_grid = nullptr;
    bool m_partnerColumn = false;
    QPushButton* m_CmdApply = nullptr;
    QPushButton* m_CmdCancel = nullptr;
};
