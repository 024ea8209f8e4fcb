#pragma once

#include "ui/activity_window.h"

#include <QPointer>

class RunState;

// The "Judges Cards" activity: shows the judges' cards of the chosen division (their rows
// from JudgingReports::Build_Card_Rows); closing the cards closes the activity.
class FrmJudgesCards : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmJudgesCards(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override;
    void Load_Report() override;

    QString division() const { return m_division; }
    QWidget* cardsWindow() const { return m_cards; }

private:
    RunState& m_state;
    QString m_division;
    QPointer<QWidget> m_cards;
};
