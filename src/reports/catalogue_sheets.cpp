#include "reports/catalogue_layouts.h"
#include "report_engine/report_builder.h"

using Kind = ReportSection::Kind;

namespace {

using CatalogueLayouts::Centred;
using CatalogueLayouts::Right;

// Report header "Section4", page footer "Section3": the same on both class sheets.
void classSheetFrame(Report& report) {
    const int w = CatalogueLayouts::PortraitWidth;
    report.setDesignWidth(w);
    SectionBuilder(report.addSection(QStringLiteral("Section4"), Kind::ReportHeader, 760))
        .label(QStringLiteral("LblReportTitle"), QString(), {0, 0, w, 480}, ReportFont::bolded(18), Centred)
        .line(QStringLiteral("LnTitle"), {0, 620, w, 0}, 30);
    SectionBuilder(report.addSection(QStringLiteral("Section3"), Kind::PageFooter, 400)).pageNumbers(w);
}

} // namespace

namespace CatalogueLayouts {

void classEntries(Report& report) {
    classSheetFrame(report);
    const int w = PortraitWidth;
    const ReportFont head = ReportFont::bolded(10);
    SectionBuilder(report.addSection(QStringLiteral("Section2"), Kind::PageHeader, 900))
        .label(QStringLiteral("RhTitle"), QString(), {0, 0, w, 360}, ReportFont::bolded(12), Centred)
        .label(QStringLiteral("LblRiderNumber"), QStringLiteral("Rider #"), {0, 520, 1000, 280}, head)
        .label(QStringLiteral("LblFirstname"), QStringLiteral("Firstname:"), {1100, 520, 2400, 280}, head)
        .label(QStringLiteral("LblLastName"), QStringLiteral("LastName:"), {3600, 520, 2600, 280}, head)
        .label(QStringLiteral("LblTeamName"), QStringLiteral("TeamName:"), {6300, 520, 2900, 280}, head)
        .label(QStringLiteral("LblTime"), QStringLiteral("Time"), {9400, 520, 1400, 280}, head, Centred)
        .hidden()
        .line(QStringLiteral("LnHeader"), {0, 860, w, 0});
    SectionBuilder(report.addSection(QStringLiteral("Section1"), Kind::Detail, 380))
        .field(QStringLiteral("txtRiderNum"), QStringLiteral("RiderNum"), {0, 40, 1000, 300})
        .tableColumn(QStringLiteral("Rider #"))
        .field(QStringLiteral("txtFirstname"), QStringLiteral("Firstname"), {1100, 40, 2400, 300})
        .tableColumn(QStringLiteral("Firstname"))
        .field(QStringLiteral("txtLastName"), QStringLiteral("LastName"), {3600, 40, 2600, 300})
        .tableColumn(QStringLiteral("LastName"))
        .field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {6300, 40, 2900, 300})
        .tableColumn(QStringLiteral("TeamName"))
        .growing() // a long team name takes a second line rather than an unreadable size
        .line(QStringLiteral("LnTime"), {9400, 340, 1400, 0})
        .hidden();
    SectionBuilder(report.addSection(QStringLiteral("Section5"), Kind::ReportFooter, 640))
        .line(QStringLiteral("LnTotal"), {0, 80, w, 0})
        .label(QStringLiteral("LblTotalEntries"), QStringLiteral("Total Entries:"), {6300, 220, 2900, 320},
               ReportFont::bolded(11), Right)
        .count(QStringLiteral("TxtTotalEntries"), QStringLiteral("RiderNum"), {9400, 220, 1400, 320},
               ReportFont::bolded(11));
}

void classEntries17(Report& report) {
    classSheetFrame(report);
    const int w = PortraitWidth;
    const ReportFont head = ReportFont::bolded(10);
    // Rider number, first and last name of the rider, the same of the partner, team.
    const int x[] = {0, 750, 2400, 4150, 4900, 6550, 8300};
    const int width[] = {700, 1600, 1700, 700, 1600, 1700, 2500};
    SectionBuilder(report.addSection(QStringLiteral("Section2"), Kind::PageHeader, 1200))
        .label(QStringLiteral("RhTitle"), QString(), {0, 0, w, 360}, ReportFont::bolded(12), Centred)
        .label(QStringLiteral("LblPartner"), QStringLiteral("Partner"), {x[3], 500, x[5] + width[5] - x[3], 280}, head,
               Centred)
        .line(QStringLiteral("LnPartner"), {x[3], 800, x[5] + width[5] - x[3], 0}, 10)
        .label(QStringLiteral("LblRiderNumber"), QStringLiteral("Rider#"), {x[0], 840, width[0], 280}, head)
        .label(QStringLiteral("LblFirstname"), QStringLiteral("Firstname:"), {x[1], 840, width[1], 280}, head)
        .label(QStringLiteral("LblLastName"), QStringLiteral("LastName:"), {x[2], 840, width[2], 280}, head)
        .label(QStringLiteral("LblPartnerNumber"), QStringLiteral("Rider#"), {x[3], 840, width[3], 280}, head)
        .label(QStringLiteral("LblPartnerFirst"), QStringLiteral("Firstname:"), {x[4], 840, width[4], 280}, head)
        .label(QStringLiteral("LblPartnerLast"), QStringLiteral("LastName:"), {x[5], 840, width[5], 280}, head)
        .label(QStringLiteral("LblTeamName"), QStringLiteral("TeamName:"), {x[6], 840, width[6], 280}, head)
        .line(QStringLiteral("LnHeader"), {0, 1160, w, 0});
    SectionBuilder detail(report.addSection(QStringLiteral("Section1"), Kind::Detail, 380));
    const char* fields[] = {"RiderNum", "Firstname", "LastName", "PartnerNumber", "PartnerFirst", "PartnerLast",
                            "TeamName"};
    const char* headings[] = {"Rider #", "Firstname", "LastName", "Partner Rider #", "Partner Firstname",
                              "Partner LastName", "TeamName"};
    for (int i = 0; i < 7; ++i)
        detail.field(QStringLiteral("txt") + QLatin1String(fields[i]), QLatin1String(fields[i]),
                     {x[i], 40, width[i], 300})
            .tableColumn(QLatin1String(headings[i]))
            .growing();
    SectionBuilder(report.addSection(QStringLiteral("Section5"), Kind::ReportFooter, 640))
        .line(QStringLiteral("LnTotal"), {0, 80, w, 0})
        .label(QStringLiteral("LblTotalEntries"), QStringLiteral("Total Entries"), {6000, 220, 2250, 320},
               ReportFont::bolded(11), Right)
        .count(QStringLiteral("TxtTotalEntries"), QStringLiteral("RiderNum"), {8300, 220, 1400, 320},
               ReportFont::bolded(11));
}

void slotSheets(Report& report) {
    const int w = LandscapeWidth;
    drawLandscape(report);
    // Rider number, first name, last name, then eighteen write-in columns: classes 1 to 17
    // and the relay partner.
    const int infoX[] = {0, 800, 2900};
    const int infoWidth[] = {800, 2100, 2100};
    const int columnsLeft = 5000;
    const int column = (w - columnsLeft) / 18; // 522
    const int headTop = 900;
    const int headHeight = 2000;

    ReportSection& header =
        report.addSection(QStringLiteral("SlotSheetsReport_Grouping_Header"), Kind::GroupHeader, headTop + headHeight);
    header.newPageBefore = true; // one sheet per team
    SectionBuilder head(header);
    head.label(QStringLiteral("LblTitle"), QString(), {0, 0, w, 420}, ReportFont::bolded(16), Centred)
        .label(QStringLiteral("LblTeam"), QStringLiteral("Team:"), {0, 480, 800, 340}, ReportFont::bolded(12))
        .field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {800, 480, 6400, 340}, ReportFont::bolded(12))
        .continuedMark()
        .label(QStringLiteral("LblDivision"), QStringLiteral("Division:"), {7400, 480, 1200, 340}, ReportFont::plain(12))
        .field(QStringLiteral("txtDivision"), QStringLiteral("Division"), {8600, 480, 600, 340}, ReportFont::bolded(12));
    const char* captions[] = {"Rider #", "First Name", "Last Name"};
    for (int i = 0; i < 3; ++i)
        head.label(QStringLiteral("LblColumn%1").arg(i + 1), QLatin1String(captions[i]),
                   {infoX[i] + 60, headTop + headHeight - 340, infoWidth[i] - 60, 300}, ReportFont::bolded(10))
            .box(QStringLiteral("BoxInfo%1").arg(i + 1), {infoX[i], headTop, infoWidth[i], headHeight});
    for (int c = 0; c < 18; ++c) {
        const int left = columnsLeft + c * column;
        const QString name = c < 17 ? QStringLiteral("Class%1").arg(c + 1) : QStringLiteral("RelayPartner");
        head.image(name, {left + (column - 375) / 2, headTop + 60, 375, 1575})
            .box(QStringLiteral("BoxHead%1").arg(c + 1), {left, headTop, column, headHeight});
        if (c < 17)
            head.label(QStringLiteral("LblClass%1").arg(c + 1), QString::number(c + 1),
                       {left, headTop + 1660, column, 300}, ReportFont::bolded(9), Centred);
    }

    auto rowOfBoxes = [&](SectionBuilder& band, bool withRider) {
        for (int i = 0; i < 3; ++i)
            band.box(QStringLiteral("BoxRider%1").arg(i + 1), {infoX[i], 0, infoWidth[i], 420});
        if (withRider)
            band.field(QStringLiteral("txtRiderNumber"), QStringLiteral("RiderNumber"), {infoX[0] + 60, 40, 700, 340})
                .field(QStringLiteral("txtFirstName"), QStringLiteral("FirstName"), {infoX[1] + 60, 40, 1980, 340})
                .field(QStringLiteral("txtLastName"), QStringLiteral("LastName"), {infoX[2] + 60, 40, 1980, 340});
        for (int c = 0; c < 18; ++c)
            band.box(QStringLiteral("BoxSlot%1").arg(c + 1), {columnsLeft + c * column, 0, column, 420});
    };
    SectionBuilder detail(report.addSection(QStringLiteral("SlotSheetsReport_Detail"), Kind::Detail, 420));
    rowOfBoxes(detail, true);
    SectionBuilder footer(
        report.addSection(QStringLiteral("SlotSheetsReport_Grouping_Footer"), Kind::GroupFooter, 420));
    rowOfBoxes(footer, false);
}

} // namespace CatalogueLayouts
