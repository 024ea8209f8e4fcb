#include "reports/catalogue_layouts.h"
#include "report_engine/report_builder.h"

using Kind = ReportSection::Kind;

namespace {

using CatalogueLayouts::Centred;

// The page footer of the two complete lists: "Page", "%p", "of", "%P" as four labels.
void listPageFooter(Report& report) {
    const int w = CatalogueLayouts::PortraitWidth;
    const ReportFont font = ReportFont::plain(9);
    SectionBuilder(report.addSection(QStringLiteral("PageFooter"), Kind::PageFooter, 400))
        .label(QStringLiteral("LblPage"), QStringLiteral("Page"), {w - 2000, 100, 700, 260}, font,
               Qt::AlignRight | Qt::AlignVCenter)
        .label(QStringLiteral("LblPageNumber"), QStringLiteral("%p"), {w - 1250, 100, 450, 260}, font, Centred)
        .label(QStringLiteral("LblOf"), QStringLiteral("of"), {w - 800, 100, 300, 260}, font, Centred)
        .label(QStringLiteral("LblPageCount"), QStringLiteral("%P"), {w - 500, 100, 500, 260}, font,
               Qt::AlignLeft | Qt::AlignVCenter);
}

SectionBuilder listPageHeader(Report& report, const QString& title) {
    const int w = CatalogueLayouts::PortraitWidth;
    SectionBuilder header(report.addSection(QStringLiteral("PageHeader"), Kind::PageHeader, 1000));
    header.label(QStringLiteral("LblTitle"), title, {0, 0, w, 480}, ReportFont::bolded(18), Centred)
        .line(QStringLiteral("LnHeader"), {0, 960, w, 0});
    return header;
}

} // namespace

namespace CatalogueLayouts {

void coachList(Report& report) {
    const int w = PortraitWidth;
    report.setDesignWidth(w);
    const ReportFont head = ReportFont::bolded(10);
    listPageHeader(report, QStringLiteral("Complete Coach's List"))
        .label(QStringLiteral("LblCoach"), QStringLiteral("Coach"), {300, 640, 2900, 280}, head)
        .label(QStringLiteral("LblPosition"), QStringLiteral("Position"), {3300, 640, 2000, 280}, head)
        .label(QStringLiteral("LblPhone"), QStringLiteral("Phone"), {5400, 640, 1800, 280}, head)
        .label(QStringLiteral("LblEmail"), QStringLiteral("Email"), {7300, 640, 3500, 280}, head);
    SectionBuilder(report.addSection(QStringLiteral("TeamCoachsReport_Header"), Kind::GroupHeader, 460, 0))
        .field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {0, 80, 7000, 320}, ReportFont::bolded(11))
        .continuedMark()
        .label(QStringLiteral("LblDivision"), QStringLiteral("Division:"), {8000, 80, 1200, 320})
        .field(QStringLiteral("txtDivision"), QStringLiteral("Division"), {9200, 80, 600, 320}, ReportFont::bolded(11));
    SectionBuilder(report.addSection(QStringLiteral("CoachList_Detail"), Kind::Detail, 300))
        .field(QStringLiteral("txtCoach"), QStringLiteral("Coach"), {300, 0, 2900, 280})
        .field(QStringLiteral("txtPosition"), QStringLiteral("Position"), {3300, 0, 2000, 280})
        .field(QStringLiteral("txtPrimary"), QStringLiteral("Primary"), {5400, 0, 1800, 280})
        .field(QStringLiteral("txtEmail"), QStringLiteral("Email"), {7300, 0, 3500, 280});
    SectionBuilder(report.addSection(QStringLiteral("TeamCoachsReport_Footer"), Kind::GroupFooter, 200, 0))
        .line(QStringLiteral("LnTeam"), {0, 120, w, 0}, 8);
    listPageFooter(report);
}

void riderList(Report& report) {
    const int w = PortraitWidth;
    report.setDesignWidth(w);
    const ReportFont head = ReportFont::bolded(10);
    listPageHeader(report, QStringLiteral("Complete Rider's List"))
        .label(QStringLiteral("LblRiderNumber"), QStringLiteral("Rider #"), {300, 640, 1000, 280}, head)
        .label(QStringLiteral("LblPerson"), QStringLiteral("Rider"), {1400, 640, 4400, 280}, head)
        .label(QStringLiteral("LblCity"), QStringLiteral("City"), {5900, 640, 3000, 280}, head);
    SectionBuilder(report.addSection(QStringLiteral("RiderListReports_Grouping_Header"), Kind::GroupHeader, 460, 0))
        .label(QStringLiteral("LblDivision"), QStringLiteral("Division:"), {0, 80, 1100, 320})
        .field(QStringLiteral("txtDivision"), QStringLiteral("Division"), {1100, 80, 500, 320}, ReportFont::bolded(11))
        .label(QStringLiteral("LblTeam"), QStringLiteral("Team:"), {1800, 80, 800, 320})
        .field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {2600, 80, 8200, 320}, ReportFont::bolded(11))
        .continuedMark();
    SectionBuilder(report.addSection(QStringLiteral("RiderListReports_Detail"), Kind::Detail, 300))
        .field(QStringLiteral("txtRiderNumber"), QStringLiteral("RiderNumber"), {300, 0, 1000, 280})
        .field(QStringLiteral("txtPerson"), QStringLiteral("Person"), {1400, 0, 4400, 280})
        .field(QStringLiteral("txtCity"), QStringLiteral("City"), {5900, 0, 3000, 280});
    SectionBuilder(report.addSection(QStringLiteral("RiderListReports_Grouping_Footer"), Kind::GroupFooter, 200, 0))
        .line(QStringLiteral("LnTeam"), {0, 120, w, 0}, 8);
    listPageFooter(report);
}

void judgeAgenda(Report& report) {
    const int w = PortraitWidth;
    report.setDesignWidth(w);
    SectionBuilder(report.addSection(QStringLiteral("ReportHeader"), Kind::ReportHeader, 1100))
        .label(QStringLiteral("LblTitle"), QStringLiteral("Judging Assignment List"), {0, 0, w, 480},
               ReportFont::bolded(18), Centred)
        .label(QStringLiteral("LblShow"), QString(), {0, 560, w, 340}, ReportFont::plain(12), Centred)
        .line(QStringLiteral("LnTitle"), {0, 1020, w, 0}, 30);
    SectionBuilder(report.addSection(QStringLiteral("JudgeAgenda_Grouping_Header"), Kind::GroupHeader, 440, 0))
        .label(QStringLiteral("LblClass"), QStringLiteral("Class"), {0, 80, 700, 320}, ReportFont::bolded(11))
        .field(QStringLiteral("txtClassNumber"), QStringLiteral("ClassNumber"), {700, 80, 500, 320},
               ReportFont::bolded(11), Qt::AlignRight | Qt::AlignVCenter)
        .field(QStringLiteral("txtClassName"), QStringLiteral("ClassName"), {1400, 80, 7000, 320},
               ReportFont::bolded(11))
        .continuedMark();
    SectionBuilder(report.addSection(QStringLiteral("JudgeAgenda_Detail"), Kind::Detail, 300))
        .field(QStringLiteral("txtJudge"), QStringLiteral("Judge"), {1400, 0, 7000, 280});
    SectionBuilder(report.addSection(QStringLiteral("JudgeAgenda_Grouping_Footer"), Kind::GroupFooter, 140, 0));
    SectionBuilder(report.addSection(QStringLiteral("PageFooter"), Kind::PageFooter, 400)).pageNumbers(w);
}

} // namespace CatalogueLayouts
