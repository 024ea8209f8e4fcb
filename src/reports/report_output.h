#pragma once

#include "database/refusal.h"

#include <QString>

class RunState;

// Where a report may be written: a PDF, a CSV file or a results page never goes over the
// program's own files.
namespace ReportOutput {

// Refused, with the message to show, when a report may not be written to `path`: the program
// never writes over the meet database, its journal, its backups or its label images.
Refusal refusal(const RunState& state, const QString& path);

} // namespace ReportOutput
