#pragma once

#include "reports/print_registry.h"

// Every report of the program that can be printed from the command line, gathered from
// the subsystems that own them.
PrintRegistry printableReports();
