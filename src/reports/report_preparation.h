#pragma once

#include "reports/prepared_report.h"
#include "reports/report_data_source.h"

#include <functional>

class QWidget;
class RunState;

// Preparing a catalogue report from the rows read for it, and showing a prepared report,
// the same way for every report window and for the headless print command.
namespace ReportPreparation {

// Reads the rows `source` builds from the report data source. Without rows the catalogue
// report `reportName` is refused with `noRowsMessage`; otherwise it is made and given the
// rows. Throws DbException when the meet database cannot be read.
PreparedReport fromRows(RunState& state, const QString& reportName, const ReportDataSource::Source& source,
                        const QString& noRowsMessage);

// Prepares a report and shows it in a preview owned by `owner`, or shows the message
// given instead of it; any error on the way is reported. Answers the preview, or
// nullptr when none was shown.
QWidget* show(RunState& state, const std::function<PreparedReport()>& prepare, QWidget* owner);

// Puts each class's report label image into the picture control "Class<number>" of the
// section, so the class columns are headed as the classes are named in this meet.
void setClassPictures(const RunState& state, Report& report, const QString& section);

} // namespace ReportPreparation
