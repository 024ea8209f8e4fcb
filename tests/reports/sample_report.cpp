#include "sample_report.h"

#include "report_engine/row_shaping.h"

namespace SampleReport {

RowSet riders(int teams, int riders) {
    RowSet rows(QStringLiteral("Riders"),
                {QStringLiteral("Division"), QStringLiteral("TeamName"), QStringLiteral("RiderNumber"),
                 QStringLiteral("Rider"), QStringLiteral("Points")});
    int number = 100;
    for (const QString& division : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        for (int t = 1; t <= teams; ++t)
            for (int r = 1; r <= riders; ++r)
                rows.append({division, QStringLiteral("Team %1%2").arg(division).arg(t), QString::number(number++),
                             QStringLiteral("Rider %1 of team %2%3").arg(r).arg(division).arg(t), double(r)});
    return rows;
}

Report make(int teams, int riderCount) {
    using K = ReportControl::Kind;
    using S = ReportSection::Kind;
    Report report(QStringLiteral("RptSample"));
    report.setDesignWidth(10800);

    auto add = [](ReportSection& section, const QString& name, K kind, QRect rect, const QString& text = {}) {
        ReportControl c;
        c.name = name;
        c.kind = kind;
        c.rect = rect;
        if (kind == K::Label)
            c.caption = text;
        else
            c.field = text;
        section.controls.push_back(c);
        return &section.controls.back();
    };
    auto column = [](ReportControl* field, const QString& heading, const QString& picture = {}) {
        field->tableHeading = heading;
        field->tablePicture = picture;
        return field;
    };

    ReportSection& title = report.addSection(QStringLiteral("ReportHeader"), S::ReportHeader, 500);
    add(title, QStringLiteral("LblTitle"), K::Label, {0, 0, 10800, 400}, QStringLiteral("Sample Points Report"))->font =
        ReportFont::bolded(16);
    ReportSection& pageHeader = report.addSection(QStringLiteral("PageHeader"), S::PageHeader, 1700);
    add(pageHeader, QStringLiteral("Logo"), K::Image, {0, 0, 375, 1575});
    add(pageHeader, QStringLiteral("LblHead"), K::Label, {600, 0, 6000, 300}, QStringLiteral("Riders and points"));
    add(pageHeader, QStringLiteral("LblPoints"), K::Label, {9000, 1300, 1800, 300}, QStringLiteral("Points:"));

    ReportSection& division = report.addSection(QStringLiteral("Division_Header"), S::GroupHeader, 400, 0);
    column(add(division, QStringLiteral("txtDivision"), K::Field, {0, 0, 3000, 350}, QStringLiteral("Division")),
           QStringLiteral("Division"))
        ->font = ReportFont::bolded(12);
    ReportSection& team = report.addSection(QStringLiteral("Team_Header"), S::GroupHeader, 350, 1);
    column(add(team, QStringLiteral("txtTeamName"), K::Field, {300, 0, 6000, 300}, QStringLiteral("TeamName")),
           QStringLiteral("Team"));
    add(team, QStringLiteral("CountTeam"), K::Count, {9000, 0, 1800, 300}, QStringLiteral("RiderNumber"));
    ReportSection& detail = report.addSection(QStringLiteral("Detail"), S::Detail, 280);
    column(add(detail, QStringLiteral("txtRiderNumber"), K::Field, {600, 0, 900, 260}, QStringLiteral("RiderNumber")),
           QStringLiteral("Rider #"));
    column(add(detail, QStringLiteral("txtRider"), K::Field, {1600, 0, 6000, 260}, QStringLiteral("Rider")),
           QStringLiteral("Rider"));
    column(add(detail, QStringLiteral("txtPoints"), K::Field, {9000, 0, 1800, 260}, QStringLiteral("Points")),
           QStringLiteral("Points"), QStringLiteral("Logo"));
    ReportSection& teamFooter = report.addSection(QStringLiteral("Team_Footer"), S::GroupFooter, 320, 1);
    add(teamFooter, QStringLiteral("LblTeamTotal"), K::Label, {6000, 0, 2800, 280}, QStringLiteral("Team Points:"));
    add(teamFooter, QStringLiteral("SumTeam"), K::Sum, {9000, 0, 1800, 280}, QStringLiteral("Points"));
    ReportSection& divisionFooter = report.addSection(QStringLiteral("Division_Footer"), S::GroupFooter, 400, 0);
    add(divisionFooter, QStringLiteral("LblDivisionTotal"), K::Label, {6000, 0, 2800, 280},
        QStringLiteral("Division Points:"));
    add(divisionFooter, QStringLiteral("SumDivision"), K::Sum, {9000, 0, 1800, 280}, QStringLiteral("Points"));
    ReportSection& pageFooter = report.addSection(QStringLiteral("PageFooter"), S::PageFooter, 400);
    add(pageFooter, QStringLiteral("LblPage"), K::Label, {7800, 100, 3000, 280}, QStringLiteral("Page %p of %P"))
        ->alignment = Qt::AlignRight | Qt::AlignVCenter;
    ReportSection& reportFooter = report.addSection(QStringLiteral("ReportFooter"), S::ReportFooter, 500);
    add(reportFooter, QStringLiteral("LblGrandTotal"), K::Label, {6000, 100, 2800, 280}, QStringLiteral("All Points:"));
    add(reportFooter, QStringLiteral("SumAll"), K::Sum, {9000, 100, 1800, 280}, QStringLiteral("Points"));
    add(reportFooter, QStringLiteral("CountAll"), K::Count, {3000, 100, 1800, 280}, QStringLiteral("RiderNumber"));

    setRows(report, riders(teams, riderCount));
    return report;
}

void setRows(Report& report, const RowSet& riders) {
    const RowSet byTeam =
        RowShaping::group(riders, {QStringLiteral("Division"), QStringLiteral("TeamName")}, QStringLiteral("Teams"));
    report.setDataSource(RowShaping::group(byTeam, {QStringLiteral("Division")}, QStringLiteral("Divisions")));
}

} // namespace SampleReport
