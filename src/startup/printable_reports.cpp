#include "startup/printable_reports.h"

#include "registration/registration_reports.h"

PrintRegistry printableReports() {
    PrintRegistry registry;
    RegistrationReports::addPrintable(registry);
    return registry;
}
