#pragma once

#include "report_engine/report_rows.h"
#include "reports/prepared_report.h"

#include <QSqlDatabase>

class PrintRegistry;
class QWidget;
class RunState;
struct PrintRequest;

// The judging agenda and the judges' cards of a division, shown from the judging windows
// and printed by the headless print command through the same preparing functions.
namespace JudgingReports {

// The cards of the division, three to a row in class order, the judges of a class by last
// name; the slots left over in the last row hold a blank in every field.
RowSet Build_Card_Rows(const QSqlDatabase& db, const QString& division);

// The division's classes with their judges; refused with its message without assignments.
PreparedReport prepareAgenda(RunState& state, const PrintRequest& request);
// The division's judges' cards; refused with its message without assignments.
PreparedReport prepareCards(RunState& state, const PrintRequest& request);
// The cards of every division that has assignments, in division order, printed as one;
// refused with the agenda's message when no division has.
PreparedReport prepareAllCards(RunState& state, const PrintRequest& request);

// Shows the agenda in a preview owned by `owner`, or the message instead of it. Answers
// the preview window, or nullptr when none was shown.
QWidget* showAgenda(RunState& state, const QString& division, QWidget* owner);

// Adds the agenda and the cards to the reports the command line can print.
void addPrintable(PrintRegistry& registry);

} // namespace JudgingReports
