#include "ui/error_reporter.h"

#include "database/db_exception.h"
#include "ui/messages.h"

void reportDbError(Messages& messages, const DbException& error) {
    if (error.connectionLost()) {
        messages.notice(Messages::appTitle(),
                        error.whileWriting()
                            ? QStringLiteral("The connection to the meet server was lost; your change was not saved.")
                            : QStringLiteral("The connection to the meet server was lost."),
                        Messages::Icon::Critical);
        return;
    }
    if (error.conflictsWithAnotherStation()) {
        messages.notice(Messages::appTitle(),
                        QStringLiteral("Another station was saving to the meet at the same moment, so your change "
                                       "was not saved. Please try again."),
                        Messages::Icon::Exclamation);
        return;
    }
    messages.notice(Messages::appTitle(),
                    QStringLiteral("The meet database reported an error:\n\n%1").arg(error.engineText()),
                    Messages::Icon::Critical);
}

namespace {

void reportError(Messages& messages, const std::exception& error) {
    messages.notice(Messages::appTitle(),
                    QStringLiteral("Corravin could not finish this action:\n\n%1").arg(QString::fromUtf8(error.what())),
                    Messages::Icon::Critical);
}

void reportUnknownError(Messages& messages) {
    messages.notice(Messages::appTitle(), QStringLiteral("Corravin could not finish this action."),
                    Messages::Icon::Critical);
}

} // namespace

bool runReportingErrors(Messages& messages, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const DbException& error) {
        reportDbError(messages, error);
    } catch (const std::exception& error) {
        reportError(messages, error);
    } catch (...) {
        reportUnknownError(messages);
    }
    return false;
}
