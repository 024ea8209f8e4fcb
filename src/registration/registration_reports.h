#pragma once

class QWidget;
class RunState;

// The complete coach and rider lists, shown from the coach and rider windows.
namespace RegistrationReports {

// Shows the coach list owned by `owner`, or tells the user there is nothing to list.
// Answers the report window, or nullptr when none was shown.
QWidget* showCoachList(RunState& state, QWidget* owner);
QWidget* showRiderList(RunState& state, QWidget* owner);

} // namespace RegistrationReports
