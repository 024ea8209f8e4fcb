#pragma once

#include "reports/print_registry.h"

class RunState;

// `print REPORT [--division X] [--class N] [--team NAME] [--order random|sequential]
// [--pdf FILE] [--csv FILE]`: prepares a report as its window would and writes it to a PDF
// file, a CSV file or both.
namespace PrintCommand {

enum Status { Printed = 0, Refused = 1, Usage = 2 };

// Prepares and writes the report. A message instead of a report, or a file that cannot be
// written, goes to the run's Messages and answers Refused; a file that fails is not left behind.
Status run(RunState& state, const PrintRequest& request, const PrintRegistry& registry);

} // namespace PrintCommand
