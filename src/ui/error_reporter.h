#pragma once

#include <functional>

class DbException;
class Messages;

// The one way an error reaches the user. Runs a window action; any exception it lets escape
// is reported (a notice with the engine's text for a database error, with the error's own
// text for anything else) and answered false, so a refused statement or a fault in a
// handler never ends the program and is never swallowed.
bool runReportingErrors(Messages& messages, const std::function<void()>& action);

// Tells the user of a statement the engine refused: a lost connection to the meet server as
// such (a change not saved when it was writing; the next action connects again); one that gave
// way to another station's write (DbException::conflictsWithAnotherStation) as a change not
// saved, to be tried again; any other with the engine's text.
void reportDbError(Messages& messages, const DbException& error);
