#include "startup/printable_reports.h"

#include "registration/registration_reports.h"
#include "reports/sheet_reports.h"

PrintRegistry printableReports() {
    PrintRegistry registry;
    RegistrationReports::addPrintable(registry);
    SheetReports::addPrintable(registry);
    return registry;
}
