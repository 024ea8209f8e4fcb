#pragma once

#include "reports/prepared_report.h"

class PrintRegistry;
class RunState;
struct PrintRequest;

// The team standings and the high-point riders of a division and the individual results,
// shown by their activity windows and printed by the headless print command through the
// same preparing functions.
namespace ResultsReports {

// Refused with "There are currently no teams entered." or "There are currently no
// placings recorded." when there is nothing to rank.
PreparedReport prepareStandings(RunState& state, const PrintRequest& request);
// The standings of every division that has teams and placings, in division order, printed
// as one; refused as the standings are when no division has teams, or none has placings.
PreparedReport prepareAllStandings(RunState& state, const PrintRequest& request);
// The division's riders ranked by their points; refused as the standings are.
PreparedReport prepareHighPoint(RunState& state, const PrintRequest& request);
// Every team's results, or with a division those of its teams. Refused with "There are
// currently no teams or riders entered." without teams.
PreparedReport prepareRiderResults(RunState& state, const PrintRequest& request);

void addPrintable(PrintRegistry& registry);

} // namespace ResultsReports
