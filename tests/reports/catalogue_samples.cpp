#include "catalogue_samples.h"

#include "database/class_lineup.h"
#include "labels/label_files.h"
#include "report_engine/row_shaping.h"
#include "reports/report_catalogue.h"

namespace {

const QStringList FirstNames = {"Abigail", "Benjamin", "Charlotte", "Dominique-Alexandra", "Eli", "Francesca",
                                "Gwendolyn", "Henry", "Isabella", "Jo"};
const QStringList LastNames = {"Anderson", "Brightwater-Fitzgerald", "Chen", "Delacroix", "Evans", "Fontaine",
                               "Gallagher", "Ho", "Ingram", "Johansson-Whitfield"};

QString teamName(int t) {
    static const QStringList names = {"Maple Ridge Riders", "Hunter Valley Equestrian Team of the Northern District",
                                      "Oak Hill", "Cedar Creek Academy Riding Club", "Willow Bend"};
    return names[t % names.size()] + (t >= names.size() ? QStringLiteral(" %1").arg(t / names.size() + 1) : QString());
}

RowSet riderRows(int teams, int perTeam) {
    RowSet rows(QStringLiteral("Riders"),
                {"RiderNumber", "FirstName", "LastName", "Person", "City", "TeamCode", "TeamName", "Division",
                 "RiderIndex"});
    int index = 1;
    for (int t = 0; t < teams; ++t)
        for (int r = 0; r < perTeam; ++r, ++index) {
            const QString first = FirstNames[index % FirstNames.size()];
            const QString last = LastNames[(index * 3) % LastNames.size()];
            rows.append({QString::number(100 + index), first, last, first + u' ' + last, QStringLiteral("Springfield"),
                         t + 1, teamName(t), QString(QChar(u'A' + t % 4)), index});
        }
    return rows;
}

void classPictures(Report& report, const QString& section, const QString& folder) {
    const auto lineup = ClassLineup::standard();
    for (int c = 0; c < lineup.size(); ++c)
        report.setPicture(section, QStringLiteral("Class%1").arg(c + 1),
                          LabelFiles::path(folder, LabelFiles::reportPrefix(), lineup[c].ImagePath));
}

} // namespace

namespace CatalogueSamples {

std::unique_ptr<Report> filled(const QString& name, const QString& programFolder) {
    std::unique_ptr<Report> report = ReportCatalogue::create(name);
    const RowSet riders = riderRows(12, 9);
    if (name == QLatin1String("RptClassEntries") || name == QLatin1String("RptClassEntries17")) {
        RowSet rows(QStringLiteral("Entries"), {"RiderNum", "Firstname", "LastName", "PartnerNumber", "PartnerFirst",
                                                "PartnerLast", "TeamName"});
        for (int i = 0; i < 70; ++i)
            rows.append({riders.value(i, "RiderNumber"), riders.value(i, "FirstName"), riders.value(i, "LastName"),
                         riders.value(i + 1, "RiderNumber"), riders.value(i + 1, "FirstName"),
                         riders.value(i + 1, "LastName"), riders.value(i, "TeamName")});
        report->setDataSource(rows);
        report->setCaption("Section4", "LblReportTitle", "QARN Region C Class Sheet");
        report->setCaption("Section2", "RhTitle", "Rider List for Division B, Class: 14 - Flag Race");
        report->setVisible("Section2", "LblTime", true);
        report->setVisible("Section1", "LnTime", true);
    } else if (name == QLatin1String("RptCoachList")) {
        RowSet teams(QStringLiteral("TeamCoachsReport"), {"TeamCode", "TeamName", "Division"});
        RowSet coaches(QStringLiteral("CoachList"), {"Coach", "Position", "Primary", "Email", "TeamCode"});
        for (int t = 0; t < 30; ++t) {
            teams.append({t + 1, teamName(t), QString(QChar(u'A' + t % 4))});
            for (int c = 0; c < 1 + t % 3; ++c)
                coaches.append({FirstNames[(t + c) % 10] + u' ' + LastNames[(t * 7 + c) % 10],
                                c == 0 ? "Head Coach" : "Assistant Coach", "(555) 201-4477",
                                "coach.with.a.long.address@example-riding-club.org", t + 1});
        }
        report->setDataSource(RowShaping::relate(teams, "TeamCode", coaches, "TeamCode", "CoachList"));
    } else if (name == QLatin1String("RptRiderList")) {
        report->setDataSource(RowShaping::group(riders, {"Division", "TeamName"}, "RiderListReports_Grouping"));
    } else if (name == QLatin1String("RptSlotSheets")) {
        report->setDataSource(RowShaping::group(riders, {"Division", "TeamName"}, "SlotSheetsReport_Grouping"));
        report->setCaption("SlotSheetsReport_Grouping_Header", "LblTitle", "Region C");
        classPictures(*report, "SlotSheetsReport_Grouping_Header", programFolder);
        report->setPicture("SlotSheetsReport_Grouping_Header", "RelayPartner",
                           LabelFiles::path(programFolder, LabelFiles::reportPrefix(), LabelFiles::relayPartnerImage()));
    } else if (name == QLatin1String("RptJudgeAgenda") || name == QLatin1String("RptJudgesCards")) {
        RowSet judges(QStringLiteral("JudgeAgenda"), {"Judge", "ClassNumber", "ClassName", "Division"});
        const auto lineup = ClassLineup::standard();
        for (const auto& c : lineup)
            for (int j = 0; j < 2; ++j)
                judges.append({FirstNames[(c.ClassNumber + j) % 10] + u' ' + LastNames[(c.ClassNumber * 3 + j) % 10], c.ClassNumber,
                               c.ClassName, "B"});
        if (name == QLatin1String("RptJudgeAgenda")) {
            report->setDataSource(RowShaping::group(judges, {"ClassNumber", "ClassName"}, "JudgeAgenda_Grouping"));
            report->setCaption("ReportHeader", "LblShow", "Region: C, Division: B");
        } else {
            QStringList fields;
            for (int s = 1; s <= 3; ++s)
                for (const char* f : {"Division", "ClassNumber", "ClassName", "Judge"})
                    fields << QStringLiteral("C%1%2").arg(s).arg(QLatin1String(f));
            RowSet cards(QStringLiteral("Cards"), fields);
            for (int i = 0; i < judges.size(); i += 3) {
                QVariantList values;
                for (int s = 0; s < 3; ++s) {
                    if (i + s < judges.size())
                        values << "B" << judges.value(i + s, "ClassNumber").toString()
                               << judges.value(i + s, "ClassName") << judges.value(i + s, "Judge");
                    else
                        values << " " << " " << " " << " ";
                }
                cards.append(values);
            }
            report->setDataSource(cards);
            for (const char* c : {"C1lblRegion", "C2lblRegion", "C3lblRegion"})
                report->setCaption("Section1", c, "Region C Judges Card");
        }
    } else if (name == QLatin1String("RptIndividualResults")) {
        RowSet teams(QStringLiteral("RptTeam"), {"TeamCode", "TeamName", "Division"});
        RowSet placings(QStringLiteral("RptPlacings"),
                        {"Judge", "ClassNumber", "Place", "RiderIndex", "Points", "ClassName"});
        const auto lineup = ClassLineup::standard();
        for (int t = 0; t < 3; ++t)
            teams.append({t + 1, teamName(t), QString(QChar(u'A' + t))});
        for (int i = 0; i < riders.size(); ++i)
            for (int p = 0; p < i % 4; ++p) {
                const auto& c = lineup[(i + p * 5) % 17];
                const int place = 1 + (i + p) % 10;
                placings.append({FirstNames[p] + u' ' + LastNames[p], c.ClassNumber, place,
                                 riders.value(i, "RiderIndex"), double(11 - place), c.ClassName});
            }
        const RowSet withPlacings = RowShaping::relate(riders, "RiderIndex", placings, "RiderIndex", "RptPlacings");
        report->setDataSource(RowShaping::relate(teams, "TeamCode", withPlacings, "TeamCode", "RptRider"));
        report->setCaption("RptTeam_Header", "LblTitle", "Individual Results Report - Region C");
    } else if (name == QLatin1String("RptTeamStandings")) {
        QStringList fields = {"TeamName", "Division", "TotalPoints"};
        for (int c = 1; c <= 17; ++c)
            fields << QStringLiteral("Placings%1").arg(c) << QStringLiteral("Points%1").arg(c);
        RowSet rows(QStringLiteral("Standings"), fields);
        for (int t = 0; t < 24; ++t) {
            QVariantList values = {teamName(t), "B", 300 - t * 11};
            for (int c = 1; c <= 17; ++c) {
                if ((t + c) % 5 == 0)
                    values << " " << " ";
                else if (t == 1 && c == 3) // more places than two lines hold: the row grows
                    values << "1,1,2,2,3,3,4,4,5,5,6,6,7,7,8,8,9,9,10,10" << "110";
                else // the most places a team's four entrants take under two judges
                    values << (c % 7 == 0 ? "7,7,8,8,9,9,10,10" : "2,5") << QString::number(c % 7 == 0 ? 20 : 15);
            }
            rows.append(values);
        }
        report->setDataSource(rows);
        report->setCaption("PageHeader", "lblShow", "Region: C");
        report->setCaption("PageHeader", "lblDivision", "Division: B");
        classPictures(*report, "PageHeader", programFolder);
    } else if (name == QLatin1String("RptHighPoint")) {
        QStringList fields = {"Place", "RiderNumber", "Rider", "TeamName", "TotalPoints"};
        for (int p = 1; p <= 10; ++p)
            fields << QStringLiteral("Places%1").arg(p);
        RowSet rows(QStringLiteral("HighPoint"), fields);
        for (int i = 0; i < riders.size(); ++i) {
            QVariantList values = {1 + i - i % 3, riders.value(i, "RiderNumber"), riders.value(i, "Person"),
                                   riders.value(i, "TeamName"), 340 - i * 3};
            for (int p = 1; p <= 10; ++p)
                values << (i + p) % 12;
            rows.append(values);
        }
        report->setDataSource(rows);
        report->setCaption("PageHeader", "lblShow", "Region: C");
        report->setCaption("PageHeader", "lblDivision", "Division: B");
    }
    return report;
}

} // namespace CatalogueSamples
