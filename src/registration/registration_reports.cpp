#include "registration/registration_reports.h"

#include "registration/rider_data.h"
#include "registration/team_data.h"
#include "startup/run_state.h"
#include "ui/db_error_reporter.h"
#include "ui/messages.h"

namespace RegistrationReports {

QWidget* showCoachList(RunState& state, QWidget* owner) {
    Q_UNUSED(owner);
    bool hasTeams = false;
    if (!runReportingDbErrors(state.messages, [&] { hasTeams = !TeamData::byName(state.db()).isEmpty(); }))
        return nullptr;
    if (!hasTeams) {
        state.messages.notice(Messages::appTitle(), QStringLiteral("There are currently no coaches entered."));
        return nullptr;
    }
    return nullptr;
}

QWidget* showRiderList(RunState& state, QWidget* owner) {
    Q_UNUSED(owner);
    bool hasRiders = false;
    if (!runReportingDbErrors(state.messages, [&] { hasRiders = !RiderData::completeList(state.db()).isEmpty(); }))
        return nullptr;
    if (!hasRiders) {
        state.messages.notice(Messages::appTitle(), QStringLiteral("There are currently no riders entered."));
        return nullptr;
    }
    return nullptr;
}

} // namespace RegistrationReports
