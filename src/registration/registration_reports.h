#pragma once

#include "reports/prepared_report.h"

class PrintRegistry;
class QWidget;
class RunState;
struct PrintRequest;

// The complete coach and rider lists, shown from the coach and rider windows and printed
// by the headless print command through the same preparing functions.
namespace RegistrationReports {

// Every team by division and name, each with its coaches, head coaches first; refused
// with its message when there is no team.
PreparedReport prepareCoachList(RunState& state, const PrintRequest& request);
// Every rider of an existing team, grouped by division and team; refused with its message
// when there is none.
PreparedReport prepareRiderList(RunState& state, const PrintRequest& request);

// Shows the list in a preview owned by `owner`, or the message instead of it. Answers the
// preview window, or nullptr when none was shown.
QWidget* showCoachList(RunState& state, QWidget* owner);
QWidget* showRiderList(RunState& state, QWidget* owner);

// Adds the lists to the reports the command line can print.
void addPrintable(PrintRegistry& registry);

} // namespace RegistrationReports
