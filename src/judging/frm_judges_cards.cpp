#include "judging/frm_judges_cards.h"

#include "judging/judging_reports.h"
#include "ui/window_geometry.h"

#include <QLabel>

FrmJudgesCards::FrmJudgesCards(RunState& state, QWidget* parent)
    : ReportActivity(state, QStringLiteral("FrmJudgesCards"), QStringLiteral("Judges Cards"),
                     JudgingReports::prepareCards, parent, WithoutReport::StayOpen) {
    auto* title = new QLabel(QStringLiteral("Judges Cards"), this);
    title->setObjectName(QStringLiteral("LblTitle"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(title, 120, 240, 8385, 600);
}
