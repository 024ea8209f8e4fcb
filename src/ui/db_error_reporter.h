#pragma once

#include <functional>

class DbException;
class Messages;

// The one way an engine error reaches the user: a notice with the engine's text.
void reportDbError(Messages& messages, const DbException& error);

// Runs a window action; a DbException it throws is reported and answered false, so a
// refused statement never crashes the program and is never swallowed.
bool runReportingDbErrors(Messages& messages, const std::function<void()>& action);
