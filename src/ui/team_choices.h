#pragma once

class QComboBox;
class QString;
class RunState;

// The team lists of the windows that act on one team of the chosen division.
namespace TeamChoices {

// Lists the division's teams by name in `box`, each keyed by its team code, with none
// chosen. A database error is reported and leaves the list empty.
void fillWithDivision(RunState& state, QComboBox* box, const QString& division);

} // namespace TeamChoices
