#pragma once

#include <QString>
#include <QStringList>

class RunState;

// `export --folder DIR [--division X] [--team NAME]` and `import FILE`, run on a prepared
// meet database with the same code as the export and import windows. Answers the exit
// status: 0 done, 1 refused (the window's message on standard error), 2 a bad argument.
namespace ExchangeCommands {

// The arguments after "export" checked; empty when they are good.
QString exportUsageError(const QStringList& arguments);

int runExport(RunState& state, const QStringList& arguments);
int runImport(RunState& state, const QString& file);

} // namespace ExchangeCommands
