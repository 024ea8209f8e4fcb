#pragma once

#include "reports/prepared_report.h"

class PrintRegistry;
class RunState;

// Class sheets and slot sheets, prepared the same way for their windows and for the
// headless print command.
namespace SheetReports {

enum class Order { Random, Sequential };

// How a class is offered and titled on a class sheet: "5 - Saddle Seat Pattern".
QString classChoiceText(int classNumber, const QString& className);

// The riders of the division entered in the class (the relay class with partners), in a
// new uniformly random order on every call or in rider-number text order; refused with
// the no-riders message when there are none.
PreparedReport prepareClassSheet(RunState& state, const QString& division, int classNumber, Order order);
// The sheet of every class that has riders of the division, in class order, printed as one;
// refused with a message naming the division when no class has.
PreparedReport prepareClassSheets(RunState& state, const QString& division, Order order);

// One slot sheet per team of the division that has riders; refused with a message naming
// the division when none has.
PreparedReport prepareSlotSheets(RunState& state, const QString& division);
// The slot sheet of the team with that key; refused with a message when it has no riders.
PreparedReport prepareSlotSheet(RunState& state, qint32 teamCode);

// Adds class-sheet and slot-sheets to the reports the command line can print.
void addPrintable(PrintRegistry& registry);

} // namespace SheetReports
