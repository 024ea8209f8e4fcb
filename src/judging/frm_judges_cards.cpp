#include "judging/frm_judges_cards.h"

#include "judging/judging_reports.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QLabel>

FrmJudgesCards::FrmJudgesCards(RunState& state, QWidget* parent) : ActivityWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmJudgesCards"));
    setWindowTitle(QStringLiteral("Judges Cards"));
    setAutoFillBackground(true);
    auto* title = new QLabel(QStringLiteral("Judges Cards"), this);
    title->setObjectName(QStringLiteral("LblTitle"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(title, 120, 240, 8385, 600);
}

void FrmJudgesCards::Set_Division(const QString& RcvdDivision) {
    m_division = RcvdDivision;
}

void FrmJudgesCards::Load_Report() {
    m_cards = JudgingReports::showCards(m_state, m_division, this);
}
