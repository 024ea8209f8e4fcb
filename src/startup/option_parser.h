#pragma once

#include "startup/command_table.h"

// What a command line asks for: the windowed program, a headless command, the usage text or
// the version, or nothing because it could not be understood.
struct CommandLine {
    QString programFolder;                    // from --program-folder DIR; empty for the executable's folder
    QString server;                           // from --server URI; empty when not given
    const HeadlessCommand* command = nullptr; // none: the windowed program
    CommandArguments arguments;
    bool help = false;
    bool version = false;
    QString error; // the usage error; when set, nothing else counts
};

// Reads a command line against a command table: the options that go before the command, then
// the command with its argument and options. Every refusal (an unknown command or option, a
// value missing or refused, an option given twice, an argument too many or missing, a required
// option missing) is a usage error that names the problem.
namespace OptionParser {

// `arguments` without the program name.
CommandLine parse(const QStringList& arguments, const QList<OptionDeclaration>& globalOptions,
                  const QList<HeadlessCommand>& commands);
// The program's own table.
CommandLine parse(const QStringList& arguments);

} // namespace OptionParser
