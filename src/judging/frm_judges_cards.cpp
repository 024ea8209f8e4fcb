#include "judging/frm_judges_cards.h"

#include "judging/judging_reports.h"

FrmJudgesCards::FrmJudgesCards(RunState& state, QWidget* parent)
    : ReportActivity(state, QStringLiteral("FrmJudgesCards"), QStringLiteral("Judges Cards"),
                     JudgingReports::prepareCards, parent, WithoutReport::StayOpen,
                     JudgingReports::prepareAllCards) {
    addTitle(QStringLiteral("Judges Cards"));
}
