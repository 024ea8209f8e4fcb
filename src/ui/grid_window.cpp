#include "ui/grid_window.h"

#include "labels/label_files.h"
#include "ui/run_state.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>

GridWindow::GridWindow(RunState& state, const QString& objectName, const QString& caption, CheckBoxGrid::Shape shape,
                       QWidget* parent)
    : EntryWindow(state, objectName, caption, state.ScreenWidth - 100, state.ScreenHeight - 600, parent),
      m_partnerColumn(shape.partnerColumn) {
    m_tabsFollowLayout = false; // row by row as the grid makes them; boxes out of view have no place
    m_grid = new CheckBoxGrid(this, shape);
    m_CmdApply = addSubmitButton(QStringLiteral("CmdApply"), QStringLiteral("Submit"), {});
    m_CmdCancel = addCancelButton({});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

void GridWindow::buildGrid(const QList<ClassRow>& classes, const QStringList& captions) {
    move(Twips::toPixels(QPoint(50, 50)));
    // Class numbers outside 1 to 17 have no column.
    QList<QPixmap> titles(CheckBoxGrid::Classes + (m_partnerColumn ? 1 : 0));
    for (const ClassRow& row : classes)
        if (row.ClassNumber >= 1 && row.ClassNumber <= CheckBoxGrid::Classes)
            titles[row.ClassNumber - 1] =
                QPixmap(LabelFiles::path(m_state.ProgramFolder, LabelFiles::formPrefix(), row.ImagePath));
    if (m_partnerColumn)
        titles[CheckBoxGrid::Classes] =
            QPixmap(LabelFiles::path(m_state.ProgramFolder, LabelFiles::formPrefix(), LabelFiles::relayPartnerImage()));
    m_grid->build(m_state.ScreenWidth - 100, m_state.ScreenHeight - 600, titles, captions);
    m_grid->placeButtons(m_CmdApply, m_CmdCancel);
    // The buttons stand beneath the grid, so the keyboard reaches them after its boxes.
    if (QWidget* last = m_grid->lastControl()) {
        setTabOrder(last, m_CmdApply);
        setTabOrder(m_CmdApply, m_CmdCancel);
        m_grid->box(1, 1)->setFocus(); // where the keyboard starts when the window opens
    }
}
