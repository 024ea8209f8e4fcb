#include "ui/team_choices.h"

#include "database/team_list.h"
#include "ui/error_reporter.h"
#include "ui/keyed_entries.h"
#include "ui/run_state.h"

#include <QComboBox>

namespace TeamChoices {

void fillWithDivision(RunState& state, QComboBox* box, const QString& division) {
    box->clear();
    runReportingErrors(state.messages, [&] {
        for (const TeamRow& team : TeamList::ofDivision(state.db(), division))
            KeyedEntries::append(box, team.TeamName, team.TeamCode);
    });
    box->setCurrentIndex(-1);
}

} // namespace TeamChoices
