#include "judging/frm_judge.h"

#include "judging/judge_data.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
const QString JudgeGone = QStringLiteral("The selected judge no longer exists.");
} // namespace

FrmJudge::FrmJudge(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmJudge"), QStringLiteral("Judge Info"), 7800, 7200, parent) {
    addTitleLabel(QStringLiteral("Judge Information Form"))->setObjectName(QStringLiteral("LblTitle"));
    m_TxtFirst = addTextBox(QStringLiteral("TxtFirst"), QStringLiteral("First Name"), {360, 1140, 3300, 360}, 50);
    m_TxtLast = addTextBox(QStringLiteral("TxtLast"), QStringLiteral("Last Name"), {4080, 1140, 3300, 360}, 50);
    m_TxtAddress = addTextBox(QStringLiteral("TxtAddress"), QStringLiteral("Address"), {360, 1860, 7020, 360}, 50);
    m_TxtCity = addTextBox(QStringLiteral("TxtCity"), QStringLiteral("City"), {360, 2580, 3900, 360}, 50);
    m_TxtState = addTextBox(QStringLiteral("TxtState"), QStringLiteral("State"), {4560, 2580, 900, 360}, 2);
    m_TxtZip = addTextBox(QStringLiteral("TxtZip"), QStringLiteral("Zip"), {5760, 2580, 1620, 360}, 5);
    m_TxtPhoneNum =
        addTextBox(QStringLiteral("TxtPhoneNum"), QStringLiteral("Phone Number"), {360, 3300, 3300, 360}, 50);
    m_TxtEmail = addTextBox(QStringLiteral("TxtEmail"), QStringLiteral("Email Address"), {4080, 3300, 3300, 360}, 50);
    // The memo takes several lines of notes.
    addCaption(QStringLiteral("Additional Information"), {360, 3720, 7020, 280});
    m_TxtMemo = new QPlainTextEdit(this);
    m_TxtMemo->setObjectName(QStringLiteral("TxtMemo"));
    m_TxtMemo->setAccessibleName(QStringLiteral("Additional Information"));
    m_TxtMemo->setTabChangesFocus(true);
    WindowGeometry::place(m_TxtMemo, 360, 4020, 7020, 1860);
    addSubmitButton(QStringLiteral("CmdSubmit"), QStringLiteral("Submit"), {2040, 6300, 1560, 480});
    addCancelButton({4200, 6300, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

void FrmJudge::Initialize_Add() {
    m_judgeId = -1;
}

bool FrmJudge::Initialize_Edit(qint32 JudgeEdit) {
    m_judgeId = JudgeEdit;
    std::optional<JudgeRow> judge;
    if (!runReportingErrors(m_state.messages, [&] { judge = JudgeData::find(m_state.db(), JudgeEdit); }))
        return false;
    if (!judge) {
        m_state.messages.notice(QStringLiteral("Edit Error"), JudgeGone);
        return false;
    }
    m_TxtFirst->setText(judge->FirstName);
    m_TxtLast->setText(judge->LastName);
    m_TxtAddress->setText(judge->Address);
    m_TxtCity->setText(judge->City);
    m_TxtState->setText(judge->State);
    m_TxtZip->setText(judge->Zip);
    m_TxtPhoneNum->setText(judge->PhoneNumber);
    m_TxtEmail->setText(judge->Email);
    m_TxtMemo->setPlainText(judge->Memo);
    return true;
}

// Names are taken as typed: a name of blanks passes.
QString FrmJudge::validationError() const {
    if (m_TxtFirst->text().isEmpty())
        return QStringLiteral("The First Name box must be filled in");
    if (m_TxtLast->text().isEmpty())
        return QStringLiteral("The Last Name box must be filled in");
    return {};
}

bool FrmJudge::Store_Input() {
    JudgeRow judge;
    judge.JudgeID = m_judgeId;
    judge.FirstName = m_TxtFirst->text();
    judge.LastName = m_TxtLast->text();
    judge.Address = m_TxtAddress->text();
    judge.City = m_TxtCity->text();
    judge.State = m_TxtState->text();
    judge.Zip = m_TxtZip->text();
    judge.PhoneNumber = m_TxtPhoneNum->text();
    judge.Email = m_TxtEmail->text();
    judge.Memo = m_TxtMemo->toPlainText();
    return storeRecord(
        [&] {
            return editing() ? JudgeData::update(m_state.db(), judge) : (JudgeData::insert(m_state.db(), judge), true);
        },
        QStringLiteral("Edit Error"), JudgeGone);
}
