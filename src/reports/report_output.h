#pragma once

#include <QString>

class RunState;

// Where a report may be written: a PDF, a CSV file or a results page never goes over the
// program's own files.
namespace ReportOutput {

// Empty when a report may be written to `path`; otherwise the message why not: the program
// never writes over the meet database, its journal, its backups or its label images.
QString refusal(const RunState& state, const QString& path);

} // namespace ReportOutput
