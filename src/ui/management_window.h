#pragma once

#include "ui/activity_window.h"

#include <functional>

class QPushButton;
class RunState;

// An activity that lists records and opens an entry window to add or edit one (teams,
// coaches, riders, judges): the title across the top, a column of buttons on the right,
// the entry window it has open, and a fresh read of the database whenever it is shown
// again or its entry window closes.
class ManagementWindow : public ActivityWindow {
    Q_OBJECT
public:
    // `titleName` names the title label across the top.
    ManagementWindow(RunState& state, const QString& objectName, const QString& title, QWidget* parent = nullptr,
                     const QString& titleName = QStringLiteral("LblFormTitle"));

    EntryWindow* entryWindow() const { return subWindow(); }

public slots:
    // Reads the database afresh into the window's lists.
    virtual void Form_Activate() = 0;

protected:
    // Where the button column stands and how far apart its buttons are, in twips.
    struct ButtonColumn {
        int left;
        int top;
        int width;
        int step;
    };
    void setButtonColumn(ButtonColumn column) { m_column = column; }
    // The next button of the column, wired to `handler`.
    QPushButton* addButton(const QString& objectName, const QString& caption, const std::function<void()>& handler);
    // Leaves extra room before the next button.
    void skipInColumn(int twips) { m_column.top += twips; }

    // Shows `window` over this one. When it closes, the windows beneath are enabled
    // again, `focusAfter` (if any) takes the focus and the lists are read afresh.
    void openEntryWindow(EntryWindow* window, Beneath beneath, QWidget* focusAfter = nullptr);

    void showEvent(QShowEvent* event) override;

private:
    ButtonColumn m_column{5880, 1560, 2100, 840};
};
