#include "judging/judging_reports.h"

#include "database/divisions.h"
#include "judging/judge_data.h"
#include "report_engine/row_shaping.h"
#include "reports/print_registry.h"
#include "reports/report_catalogue.h"
#include "reports/report_preparation.h"
#include "ui/run_state.h"

#include <QWidget>

namespace JudgingReports {

namespace {

constexpr int JudgeCardsPerRow = 3;
const char* const JudgeCardFields[] = {"Division", "ClassNumber", "ClassName", "Judge"};

QString agendaJudgeName(const JudgeData::AssignedJudge& judge) {
    return judge.FirstName + u' ' + judge.LastName;
}

RowSet judgeAgendaRows(const QSqlDatabase& db, const QString& division) {
    RowSet judges(QStringLiteral("JudgeAgenda"), {"Judge", "ClassNumber", "ClassName", "Division"});
    for (const JudgeData::AssignedJudge& judge : JudgeData::agendaOfDivision(db, division))
        judges.append({agendaJudgeName(judge), judge.ClassNumber, judge.ClassName, division});
    return RowShaping::group(judges, {QStringLiteral("ClassNumber"), QStringLiteral("ClassName")},
                             QStringLiteral("JudgeAgenda_Grouping"));
}

PreparedReport judgeAgendaOf(RunState& state, const QString& division) {
    PreparedReport prepared = ReportPreparation::fromRows(
        state, QStringLiteral("RptJudgeAgenda"), [&](const QSqlDatabase& db) { return judgeAgendaRows(db, division); },
        QStringLiteral("There are currently no judging assignments entered."));
    if (prepared.report)
        prepared.report->setCaption(QStringLiteral("ReportHeader"), QStringLiteral("LblShow"),
                                    QStringLiteral("Region: ") + state.CurrentRegion + QStringLiteral(", Division: ") +
                                        division);
    return prepared;
}

} // namespace

RowSet Build_Card_Rows(const QSqlDatabase& db, const QString& division) {
    QStringList fields;
    for (int slot = 1; slot <= JudgeCardsPerRow; ++slot)
        for (const char* field : JudgeCardFields)
            fields << QStringLiteral("C%1%2").arg(slot).arg(QLatin1String(field));
    RowSet cards(QStringLiteral("JudgesCards"), fields);
    const QList<JudgeData::AssignedJudge> judges = JudgeData::agendaOfDivision(db, division);
    for (qsizetype first = 0; first < judges.size(); first += JudgeCardsPerRow) {
        QVariantList row;
        for (qsizetype i = first; i < first + JudgeCardsPerRow; ++i) {
            if (i < judges.size())
                row << division << QString::number(judges[i].ClassNumber) << judges[i].ClassName
                    << agendaJudgeName(judges[i]);
            else
                row << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral(" ");
        }
        cards.append(row);
    }
    return cards;
}

PreparedReport prepareAgenda(RunState& state, const PrintRequest& request) {
    return judgeAgendaOf(state, request.division);
}

PreparedReport prepareCards(RunState& state, const PrintRequest& request) {
    const QString& division = request.division;
    RowSet cards = Build_Card_Rows(state.db(), division);
    if (cards.isEmpty())
        return PreparedReport::refused(
            QStringLiteral("There are currently no judging assignments entered for the %1 Division.").arg(division));
    std::unique_ptr<Report> report = ReportCatalogue::create(QStringLiteral("RptJudgesCards"));
    report->setDataSource(std::move(cards));
    for (int slot = 1; slot <= JudgeCardsPerRow; ++slot)
        report->setCaption(QStringLiteral("Section1"), QStringLiteral("C%1lblRegion").arg(slot),
                           QStringLiteral("Region ") + state.CurrentRegion + QStringLiteral(" Judges Card"));
    return PreparedReport::of(std::move(report));
}

PreparedReport prepareAllCards(RunState& state, const PrintRequest&) {
    std::vector<std::unique_ptr<Report>> cards;
    for (const QString& division : Divisions::letters()) {
        PrintRequest ofDivision;
        ofDivision.division = division;
        if (PreparedReport prepared = prepareCards(state, ofDivision); prepared.report)
            cards.push_back(std::move(prepared.report));
    }
    return PreparedReport::ofAll(std::move(cards),
                                 QStringLiteral("There are currently no judging assignments entered."));
}

QWidget* showAgenda(RunState& state, const QString& division, QWidget* owner) {
    return ReportPreparation::show(state, [&] { return judgeAgendaOf(state, division); }, owner);
}

void addPrintable(PrintRegistry& registry) {
    registry.add({QStringLiteral("judging-agenda"), QStringLiteral("RptJudgeAgenda"), PrintRegistry::Division,
                  PrintRegistry::Division, prepareAgenda});
    // Without a division, the cards of every division.
    registry.add({QStringLiteral("judges-cards"), QStringLiteral("RptJudgesCards"), PrintRegistry::Division, 0,
                  [](RunState& state, const PrintRequest& request) {
                      return request.division.isEmpty() ? prepareAllCards(state, request) : prepareCards(state, request);
                  },
                  PrintRegistry::Division});
}

} // namespace JudgingReports
