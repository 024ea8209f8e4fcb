#pragma once

#include "report_engine/report.h"

// The layouts of the catalogue's reports, one function per report. Widths are those
// between the margins of a Letter page: 10800 twips upright, 14400 landscape.
namespace CatalogueLayouts {

constexpr int PortraitWidth = 10800;
constexpr int LandscapeWidth = 14400;

// The alignments the layouts share.
inline constexpr Qt::Alignment Centred = Qt::AlignCenter;
inline constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

// A report drawn at the landscape width prints on landscape pages.
inline void drawLandscape(Report& report) {
    report.setDesignWidth(LandscapeWidth);
    report.setWideReport(Report::WideLandscape);
}

void classEntries(Report& report);
void classEntries17(Report& report);
void slotSheets(Report& report);
void coachList(Report& report);
void riderList(Report& report);
void judgeAgenda(Report& report);
void judgesCards(Report& report);
void individualResults(Report& report);
void teamStandings(Report& report);
void highPointRiders(Report& report);

} // namespace CatalogueLayouts
