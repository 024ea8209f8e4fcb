#pragma once

#include <exception>
#include <functional>

class DbException;
class Messages;

// The one way an error reaches the user: a notice with the engine's text for a database
// error, with the error's own text for anything else.
void reportDbError(Messages& messages, const DbException& error);
void reportError(Messages& messages, const std::exception& error);
void reportUnknownError(Messages& messages);

// Runs a window action; any exception it lets escape is reported and answered false, so a
// refused statement or a fault in a handler never ends the program and is never swallowed.
bool runReportingErrors(Messages& messages, const std::function<void()>& action);
