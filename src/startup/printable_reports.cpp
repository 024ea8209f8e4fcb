#include "startup/printable_reports.h"

#include "judging/judging_reports.h"
#include "registration/registration_reports.h"
#include "reports/sheet_reports.h"
#include "results/results_reports.h"

PrintRegistry printableReports() {
    PrintRegistry registry;
    RegistrationReports::addPrintable(registry);
    ResultsReports::addPrintable(registry);
    SheetReports::addPrintable(registry);
    JudgingReports::addPrintable(registry);
    return registry;
}
