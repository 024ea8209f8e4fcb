#pragma once

#include "report_engine/report.h"

// A report made in the test: riders grouped by division and team, with points summed per
// team, per division and over the report, riders counted in the team header, a picture
// in the page header and page numbers. Its columns: Division, Team, Rider #, Rider, Points
// (headed by the page header's picture).
namespace SampleReport {

// Rider rows with fields Division, TeamName, RiderNumber, Rider, Points; `teams` teams per
// division in divisions A to C, `riders` riders per team, rider i of a team earning i points.
RowSet riders(int teams, int riders);

Report make(int teams, int riders);
// Replaces the report's rows by `riders` (fields as above), grouped by division and team.
void setRows(Report& report, const RowSet& riders);

} // namespace SampleReport
