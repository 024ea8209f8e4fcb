#include "startup/printable_reports.h"

#include "judging/judging_reports.h"
#include "registration/registration_reports.h"

PrintRegistry printableReports() {
    PrintRegistry registry;
    RegistrationReports::addPrintable(registry);
    JudgingReports::addPrintable(registry);
    return registry;
}
