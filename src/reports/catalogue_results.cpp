#include "reports/catalogue_layouts.h"
#include "report_engine/report_builder.h"

using Kind = ReportSection::Kind;

namespace {

using CatalogueLayouts::Centred;
using CatalogueLayouts::Right;

// One judge's card of the three side by side, `left` twips from the section's edge.
void judgeCard(SectionBuilder& band, int slot, int left, int width) {
    const QString c = QStringLiteral("C%1").arg(slot);
    const int inner = left + 150;
    const ReportFont bold = ReportFont::bolded(11);
    band.box(c + QStringLiteral("Card"), {left, 0, width, 5060}, 20)
        .label(c + QStringLiteral("lblRegion"), QString(), {left, 80, width, 340}, ReportFont::bolded(12), Centred)
        .label(c + QStringLiteral("LblClass"), QStringLiteral("Class #:"), {inner, 460, 1000, 300})
        .field(c + QStringLiteral("ClassNumber"), c + QStringLiteral("ClassNumber"), {inner + 1000, 460, 700, 300}, bold)
        .field(c + QStringLiteral("ClassName"), c + QStringLiteral("ClassName"), {inner, 760, width - 300, 300}, bold)
        .label(c + QStringLiteral("LblDivision"), QStringLiteral("Divsion:"), {inner, 1060, 1000, 300})
        .field(c + QStringLiteral("Division"), c + QStringLiteral("Division"), {inner + 1000, 1060, 700, 300}, bold)
        .label(c + QStringLiteral("LblJudge"), QStringLiteral("Judge:"), {inner, 1360, 1000, 300})
        .field(c + QStringLiteral("Judge"), c + QStringLiteral("Judge"), {inner + 1000, 1360, width - 1300, 300}, bold);
    const char* places[] = {"1st Place ", "2nd Place ", "3rd Place ", "4th Place ", "5th Place ", "6th Place ",
                            "7th Place ", "8th Place ", "9th Place ", "10th Place ", "HM"};
    for (int p = 0; p < 11; ++p) {
        const int top = 1720 + p * 260;
        band.label(c + QStringLiteral("LblPlace%1").arg(p + 1), QLatin1String(places[p]), {inner, top, 1300, 240},
                   ReportFont::plain(9))
            .box(c + QStringLiteral("BoxPlace%1").arg(p + 1), {inner + 1350, top, width - 1650, 240}, 10);
    }
    band.label(c + QStringLiteral("LblInitials"), QStringLiteral("Judges Initials"), {inner, 4640, 1700, 300})
        .box(c + QStringLiteral("BoxInitials"), {inner + 1750, 4590, width - 2050, 380});
}

} // namespace

namespace CatalogueLayouts {

void judgesCards(Report& report) {
    drawLandscape(report);
    const int gap = 300;
    const int width = (LandscapeWidth - 2 * gap) / 3;
    SectionBuilder band(report.addSection(QStringLiteral("Section1"), Kind::Detail, 5340));
    for (int slot = 1; slot <= 3; ++slot)
        judgeCard(band, slot, (slot - 1) * (width + gap), width);
}

void individualResults(Report& report) {
    const int w = PortraitWidth;
    report.setDesignWidth(w);
    const ReportFont bold = ReportFont::bolded(10);
    ReportSection& team = report.addSection(QStringLiteral("RptTeam_Header"), Kind::GroupHeader, 1060, 0);
    team.newPageBefore = true; // each team's results on pages of their own
    SectionBuilder(team)
        .label(QStringLiteral("LblTitle"), QString(), {0, 0, w, 440}, ReportFont::bolded(14), Centred)
        .label(QStringLiteral("LblTeam"), QStringLiteral("Team:"), {0, 560, 800, 340}, ReportFont::bolded(12))
        .field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {800, 560, 6800, 340}, ReportFont::bolded(12))
        .tableColumn(QStringLiteral("Team"))
        .continuedMark()
        .label(QStringLiteral("LblDivision"), QStringLiteral("Division:"), {8000, 560, 1300, 340}, ReportFont::plain(12))
        .field(QStringLiteral("txtDivision"), QStringLiteral("Division"), {9300, 560, 600, 340}, ReportFont::bolded(12))
        .tableColumn(QStringLiteral("Division"))
        .line(QStringLiteral("LnTeam"), {0, 1000, w, 0}, 30);
    SectionBuilder(report.addSection(QStringLiteral("RptRider_Header"), Kind::GroupHeader, 720, 1))
        .field(QStringLiteral("txtRiderNumber"), QStringLiteral("RiderNumber"), {0, 100, 800, 300}, bold)
        .tableColumn(QStringLiteral("Rider #"))
        .field(QStringLiteral("txtFirstName"), QStringLiteral("Rider"), {900, 100, 7000, 300}, bold)
        .tableColumn(QStringLiteral("Rider"))
        .continuedMark()
        .label(QStringLiteral("LblClass"), QStringLiteral("Class:"), {900, 420, 3900, 260}, ReportFont::plain(9))
        .label(QStringLiteral("LblJudge"), QStringLiteral("Judge:"), {4900, 420, 3400, 260}, ReportFont::plain(9))
        .label(QStringLiteral("LblPlace"), QStringLiteral("Place:"), {8400, 420, 1000, 260}, ReportFont::plain(9), Right)
        .label(QStringLiteral("LblPoints"), QStringLiteral("Points:"), {9500, 420, 1300, 260}, ReportFont::plain(9),
               Right)
        .line(QStringLiteral("LnRider"), {900, 700, w - 900, 0}, 8);
    SectionBuilder(report.addSection(QStringLiteral("RptPlacings_Detail"), Kind::Detail, 280))
        .field(QStringLiteral("txtTblPlacingClassNumber"), QStringLiteral("TblPlacing.ClassNumber"),
               {900, 0, 400, 260}, ReportFont::plain(10), Right)
        .tableColumn(QStringLiteral("Class #"))
        .field(QStringLiteral("txtClassName"), QStringLiteral("ClassName"), {1400, 0, 3400, 260})
        .tableColumn(QStringLiteral("Class"))
        .field(QStringLiteral("txtJudge"), QStringLiteral("Judge"), {4900, 0, 3400, 260})
        .tableColumn(QStringLiteral("Judge"))
        .field(QStringLiteral("txtPlace"), QStringLiteral("Place"), {8400, 0, 1000, 260}, ReportFont::plain(10), Right)
        .tableColumn(QStringLiteral("Place"))
        .field(QStringLiteral("txtPoints"), QStringLiteral("Points"), {9500, 0, 1300, 260}, ReportFont::plain(10),
               Right)
        .tableColumn(QStringLiteral("Points"));
    SectionBuilder(report.addSection(QStringLiteral("RptRider_Footer"), Kind::GroupFooter, 380, 1))
        .line(QStringLiteral("LnRiderTotal"), {9500, 30, 1300, 0}, 8)
        .label(QStringLiteral("LblRiderTotal"), QStringLiteral("Total Points:"), {6900, 60, 2500, 280}, bold, Right)
        .sum(QStringLiteral("txtRiderTotal"), QStringLiteral("Points"), {9500, 60, 1300, 280}, bold);
    SectionBuilder(report.addSection(QStringLiteral("RptTeam_Footer"), Kind::GroupFooter, 560, 0))
        .line(QStringLiteral("LnTeamTotal"), {0, 60, w, 0}, 20)
        .label(QStringLiteral("LblTeamTotal"), QStringLiteral("Total Team Points:"), {5900, 160, 3500, 320},
               ReportFont::bolded(11), Right)
        .sum(QStringLiteral("txtTeamTotal"), QStringLiteral("Points"), {9500, 160, 1300, 320}, ReportFont::bolded(11));
    SectionBuilder(report.addSection(QStringLiteral("PageFooter"), Kind::PageFooter, 400)).pageNumbers(w);
}

void teamStandings(Report& report) {
    const int w = LandscapeWidth;
    drawLandscape(report);
    const int nameWidth = 2300;
    const int divisionWidth = 450;
    const int columnsLeft = nameWidth + divisionWidth;
    const int totalWidth = 1100;
    const int column = (w - columnsLeft - totalWidth) / 17; // 620
    const int headTop = 900;
    const int captionTop = headTop + 1700;

    SectionBuilder header(report.addSection(QStringLiteral("PageHeader"), Kind::PageHeader, captionTop + 420));
    header.label(QStringLiteral("LblTitle"), QStringLiteral("Team Standings"), {0, 0, w, 480}, ReportFont::bolded(18),
                 Centred)
        .label(QStringLiteral("lblShow"), QString(), {0, 500, w / 2, 340}, ReportFont::bolded(12))
        .label(QStringLiteral("lblDivision"), QString(), {w / 2, 500, w / 2, 340}, ReportFont::bolded(12), Right)
        .label(QStringLiteral("LblTeamName"), QStringLiteral("Team"), {60, captionTop, nameWidth - 60, 300},
               ReportFont::bolded(10))
        .label(QStringLiteral("LblDiv"), QStringLiteral("Div"), {nameWidth, captionTop, divisionWidth, 300},
               ReportFont::bolded(9), Centred)
        .label(QStringLiteral("LblTotal"), QStringLiteral("Total"),
               {columnsLeft + 17 * column, captionTop, totalWidth, 300}, ReportFont::bolded(10), Centred)
        .line(QStringLiteral("LnHeader"), {0, captionTop + 380, w, 0}, 20);
    SectionBuilder detail(report.addSection(QStringLiteral("Detail"), Kind::Detail, 560));
    detail.field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {60, 20, nameWidth - 120, 520},
                 ReportFont::bolded(10))
        .tableColumn(QStringLiteral("Team"))
        .field(QStringLiteral("txtDivision"), QStringLiteral("division"), {nameWidth, 40, divisionWidth, 300},
               ReportFont::plain(10), Centred)
        .tableColumn(QStringLiteral("Div"));
    for (int c = 1; c <= 17; ++c) {
        const int left = columnsLeft + (c - 1) * column;
        const QString picture = QStringLiteral("Class%1").arg(c); // heads the class's two columns
        header.image(picture, {left + (column - 375) / 2, headTop, 375, 1575})
            .label(QStringLiteral("LblClass%1").arg(c), QString::number(c), {left, captionTop, column, 300},
                   ReportFont::bolded(9), Centred);
        // Room for two lines of places at the smallest readable size: the eight places four
        // riders can take under two judges ("7,7,8,8,9," over "9,10,10"); more grow the row.
        detail.field(QStringLiteral("txtPlacings%1").arg(c), QStringLiteral("Placings%1").arg(c),
                     {left + 10, 20, column - 20, 330}, ReportFont::plain(8), Centred)
            .tableColumn(QStringLiteral("Class %1 Places").arg(c), picture)
            .growing()
            .field(QStringLiteral("txtPoints%1").arg(c), QStringLiteral("Points%1").arg(c),
                   {left + 20, 360, column - 40, 190}, ReportFont::bolded(9), Centred)
            .tableColumn(QStringLiteral("Class %1 Points").arg(c), picture)
            .line(QStringLiteral("LnColumn%1").arg(c), {left, 0, 0, 560}, 8);
    }
    detail.line(QStringLiteral("LnTotal"), {columnsLeft + 17 * column, 0, 0, 560}, 8)
        .field(QStringLiteral("txtTotalPoints"), QStringLiteral("TotalPoints"),
               {columnsLeft + 17 * column, 100, totalWidth, 360}, ReportFont::bolded(12), Centred)
        .tableColumn(QStringLiteral("Total"))
        .line(QStringLiteral("LnRow"), {0, 560, w, 0}, 8);
    SectionBuilder(report.addSection(QStringLiteral("PageFooter"), Kind::PageFooter, 400)).pageNumbers(w);
}

void highPointRiders(Report& report) {
    const int w = LandscapeWidth;
    drawLandscape(report);
    const int placeWidth = 700;
    const int numberWidth = 800;
    const int riderWidth = 3700;
    const int teamWidth = 4300; // team names run to 50 characters
    const int count = 400;      // each of the ten place counts
    const int totalWidth = w - placeWidth - numberWidth - riderWidth - teamWidth - 10 * count;
    const int numberLeft = placeWidth;
    const int riderLeft = numberLeft + numberWidth;
    const int teamLeft = riderLeft + riderWidth;
    const int countsLeft = teamLeft + teamWidth;
    const int totalLeft = countsLeft + 10 * count;
    const int captionTop = 1800;
    const QStringList ordinals{"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    const ReportFont caption = ReportFont::bolded(10);

    SectionBuilder header(report.addSection(QStringLiteral("PageHeader"), Kind::PageHeader, captionTop + 420));
    header.label(QStringLiteral("LblTitle"), QStringLiteral("High-Point Riders"), {0, 0, w, 480}, ReportFont::bolded(18),
                 Centred)
        .label(QStringLiteral("lblShow"), QString(), {0, 500, w / 2, 340}, ReportFont::bolded(12))
        .label(QStringLiteral("lblDivision"), QString(), {w / 2, 500, w / 2, 340}, ReportFont::bolded(12), Right)
        .label(QStringLiteral("LblTieBreak"),
               QStringLiteral("Ranked by total points; ties are broken by most first places, then most second places, "
                              "and so on; riders still tied share the place."),
               {0, 920, w, 300}, ReportFont{QStringLiteral("Arial"), 10, false, true})
        .label(QStringLiteral("LblPlacesTaken"), QStringLiteral("Places taken"), {countsLeft, captionTop - 340,
               10 * count, 280}, ReportFont::plain(9), Centred)
        .line(QStringLiteral("LnPlacesTaken"), {countsLeft + 40, captionTop - 40, 10 * count - 80, 0}, 8)
        .label(QStringLiteral("LblPlace"), QStringLiteral("Place"), {0, captionTop, placeWidth, 300}, caption, Centred)
        .label(QStringLiteral("LblRiderNumber"), QStringLiteral("Rider #"), {numberLeft, captionTop, numberWidth, 300},
               caption, Centred)
        .label(QStringLiteral("LblRider"), QStringLiteral("Rider"), {riderLeft + 60, captionTop, riderWidth - 60, 300},
               caption)
        .label(QStringLiteral("LblTeam"), QStringLiteral("Team"), {teamLeft + 60, captionTop, teamWidth - 60, 300},
               caption)
        .label(QStringLiteral("LblTotal"), QStringLiteral("Total"), {totalLeft, captionTop, totalWidth, 300}, caption,
               Centred)
        .line(QStringLiteral("LnHeader"), {0, captionTop + 380, w, 0}, 20);
    SectionBuilder detail(report.addSection(QStringLiteral("Detail"), Kind::Detail, 340));
    detail.field(QStringLiteral("txtPlace"), QStringLiteral("Place"), {0, 40, placeWidth, 260}, caption, Centred)
        .tableColumn(QStringLiteral("Place"))
        .field(QStringLiteral("txtRiderNumber"), QStringLiteral("RiderNumber"), {numberLeft, 40, numberWidth, 260},
               ReportFont::plain(10), Centred)
        .tableColumn(QStringLiteral("Rider #"))
        .field(QStringLiteral("txtRider"), QStringLiteral("Rider"), {riderLeft + 60, 40, riderWidth - 120, 260})
        .tableColumn(QStringLiteral("Rider"))
        .field(QStringLiteral("txtTeamName"), QStringLiteral("TeamName"), {teamLeft + 60, 40, teamWidth - 120, 260})
        .tableColumn(QStringLiteral("Team"));
    for (int p = 1; p <= 10; ++p) {
        const int left = countsLeft + (p - 1) * count;
        header.label(QStringLiteral("LblPlaces%1").arg(p), ordinals[p - 1], {left, captionTop, count, 300},
                     ReportFont::bolded(9), Centred);
        detail.field(QStringLiteral("txtPlaces%1").arg(p), QStringLiteral("Places%1").arg(p), {left, 40, count, 260},
                     ReportFont::plain(10), Centred)
            .tableColumn(ordinals[p - 1]);
    }
    detail.field(QStringLiteral("txtTotalPoints"), QStringLiteral("TotalPoints"), {totalLeft, 40, totalWidth, 260},
                 caption, Centred)
        .tableColumn(QStringLiteral("Total"))
        .line(QStringLiteral("LnRow"), {0, 340, w, 0}, 5);
    SectionBuilder(report.addSection(QStringLiteral("PageFooter"), Kind::PageFooter, 400)).pageNumbers(w);
}

} // namespace CatalogueLayouts
