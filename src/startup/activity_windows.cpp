#include "startup/activity_windows.h"

#include "entries/frm_entries.h"
#include "judging/frm_judge_class_mgmt.h"
#include "judging/frm_judge_mgmt.h"
#include "judging/frm_judges_cards.h"
#include "registration/frm_coach_mgmt.h"
#include "registration/frm_rider_mgmt.h"
#include "registration/frm_team_mgmt.h"
#include "reports/frm_class_sheets.h"
#include "reports/frm_slot_sheets.h"
#include "results/frm_high_point.h"
#include "results/frm_placings.h"
#include "results/frm_rider_results.h"
#include "results/frm_team_standings.h"

ActivityWindow* createActivityWindow(int activity, RunState& state, QWidget* parent) {
    switch (activity) {
    case 1:
        return new FrmTeamMgmt(state, parent);
    case 2:
        return new FrmCoachMgmt(state, parent);
    case 3:
        return new FrmRiderMgmt(state, parent);
    case 4:
        return new FrmJudgeMgmt(state, parent);
    case 5:
        return new FrmJudgeClassMgmt(state, parent);
    case 6:
        return new FrmSlotSheets(state, parent);
    case 7:
        return new FrmJudgesCards(state, parent);
    case 8:
        return new FrmEntries(state, parent);
    case 9:
        return new FrmClassSheets(state, parent);
    case 10:
        return new FrmPlacings(state, parent);
    case 11:
        return new FrmTeamStandings(state, parent);
    case 12:
        return new FrmRiderResults(state, parent);
    case 13:
        return new FrmHighPoint(state, parent);
    default:
        return nullptr;
    }
}
