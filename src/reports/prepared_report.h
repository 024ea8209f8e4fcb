#pragma once

#include "report_engine/report.h"

#include <memory>

// What preparing a report for printing gives: the report, ready to show, or the message
// that is shown instead of it (no riders, no placings...). The report windows and the
// headless print command prepare through the same functions.
struct PreparedReport {
    std::unique_ptr<Report> report;
    QString message;

    static PreparedReport of(std::unique_ptr<Report> report) { return {std::move(report), {}}; }
    static PreparedReport refused(const QString& message) { return {nullptr, message}; }
};
