#pragma once

#include "reports/print_registry.h"
#include "startup/command_table.h"

// The print command on the command line: what its options ask for together, checked against
// the report they name, and the request they make of the report's printing.
namespace PrintCommandLine {

// Every report of the program that can be printed from the command line.
const PrintRegistry& registry();

// Empty when the options suit the report: a file to write (two of them not one file), every
// option the report needs and none it does not take.
QString refusal(const CommandArguments& arguments);

PrintRequest request(const CommandArguments& arguments);

int run(RunState& state, const StartOptions& options, const CommandArguments& arguments);

} // namespace PrintCommandLine
