#include "ui/db_error_reporter.h"

#include "database/db_exception.h"
#include "ui/messages.h"

void reportDbError(Messages& messages, const DbException& error) {
    messages.notice(Messages::appTitle(),
                    QStringLiteral("The meet database reported an error:\n\n%1").arg(error.engineText()),
                    Messages::Icon::Critical);
}

bool runReportingDbErrors(Messages& messages, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const DbException& error) {
        reportDbError(messages, error);
        return false;
    }
}
