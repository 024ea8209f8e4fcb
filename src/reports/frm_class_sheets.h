#pragma once

#include "reports/sheet_reports.h"
#include "ui/activity_window.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class RunState;

// The "Class Sheets" activity: the riders of the chosen division entered in one class,
// printed in a random order or by rider number; with "Print All" ticked, the sheet of every
// class that has riders, in one preview.
class FrmClassSheets : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmClassSheets(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override;
    // The preview of the last sheet shown, while it is open.
    QWidget* reportWindow() const { return m_reportWindow; }

public slots:
    void CmdRandom_Click();
    void cmdSequential_Click();

private:
    void Print_Sheet(SheetReports::Order order);

    QString m_division;
    QComboBox* m_CbClass = nullptr;
    QCheckBox* m_ChkPrintAll = nullptr;
    QPointer<QWidget> m_reportWindow;
};
