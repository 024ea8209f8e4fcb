#pragma once

#include <QWidget>

// A window the main window opens as one of its activities. The main window hands it the
// chosen division and asks reports to load through these functions; a window overrides
// the ones its activity takes.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void Set_Division(const QString& RcvdDivision) { Q_UNUSED(RcvdDivision) }
    virtual void Load_Report() {}
    // Asked before the activity is closed or changed: the windows it has open with input
    // ask their own cancel question. False when the user chose to keep them.
    virtual bool Query_Unload() { return true; }
};
