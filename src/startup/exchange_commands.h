#pragma once

#include <QString>

class RunState;

// `export --folder DIR [--division X] [--team NAME]` and `import FILE`, run on a prepared
// meet database with the same code as the export and import windows. Answers the exit
// status: 0 done, 1 refused (the window's message on standard error).
namespace ExchangeCommands {

// The teams an export writes: those matching every choice given, all of them when none is.
struct ExportChoice {
    QString folder;
    QString division; // "A" to "D", empty for every division
    QString team;     // a team name, any case; empty for every team
};

int runExport(RunState& state, const ExportChoice& choice);
int runImport(RunState& state, const QString& file);

} // namespace ExchangeCommands
