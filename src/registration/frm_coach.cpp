#include "registration/frm_coach.h"

#include "registration/coach_data.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
const QString HeadCoach = QStringLiteral("Head Coach");
const QString AssistantCoach = QStringLiteral("Assistant Coach");
} // namespace

FrmCoach::FrmCoach(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmCoach"), QStringLiteral("Coach Entry Form"), 7800, 6000, parent) {
    addTitleLabel(QStringLiteral("Coach Information Form"));
    m_TxtFirst = addTextBox(QStringLiteral("TxtFirst"), QStringLiteral("First Name"), {360, 1140, 3300, 360}, 50);
    m_TxtLast = addTextBox(QStringLiteral("TxtLast"), QStringLiteral("Last Name"), {4080, 1140, 3300, 360}, 50);
    m_TxtAddress = addTextBox(QStringLiteral("TxtAddress"), QStringLiteral("Address"), {360, 1860, 7020, 360}, 50);
    m_TxtCity = addTextBox(QStringLiteral("TxtCity"), QStringLiteral("City"), {360, 2580, 4500, 360}, 50);
    m_TxtZip = addTextBox(QStringLiteral("TxtZip"), QStringLiteral("Zip"), {5160, 2580, 1200, 360}, 5);
    m_TxtPrimary =
        addTextBox(QStringLiteral("TxtPrimary"), QStringLiteral("Primary Contact Number"), {360, 3300, 3300, 360}, 50);
    m_TxtSecondary = addTextBox(QStringLiteral("TxtSecondary"), QStringLiteral("Secondary Contact Number"),
                                {4080, 3300, 3300, 360}, 50);
    m_TxtEmail = addTextBox(QStringLiteral("TxtEmail"), QStringLiteral("Email Address"), {360, 4020, 4500, 360}, 50);
    m_CbPosition = addComboBox(QStringLiteral("CbPosition"), QStringLiteral("Position"), {5160, 4020, 2220, 360});
    addSubmitButton(QStringLiteral("CmdSubmit"), QStringLiteral("Submit"), {2040, 5040, 1560, 480});
    addCancelButton({4200, 5040, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

void FrmCoach::Clear_Form() {
    for (QLineEdit* box :
         {m_TxtFirst, m_TxtLast, m_TxtAddress, m_TxtCity, m_TxtZip, m_TxtPrimary, m_TxtSecondary, m_TxtEmail})
        box->clear();
    m_CbPosition->clear();
    m_CbPosition->addItems({HeadCoach, AssistantCoach});
    m_CbPosition->setCurrentIndex(-1);
}

void FrmCoach::Initialize_Add(qint32 TeamCode) {
    m_coachCode = -1;
    m_teamCode = TeamCode;
    Clear_Form();
}

bool FrmCoach::Initialize_Edit(qint32 CoachEdit) {
    m_coachCode = CoachEdit;
    Clear_Form();
    std::optional<CoachRow> coach;
    if (!runReportingErrors(m_state.messages, [&] { coach = CoachData::find(m_state.db(), CoachEdit); }))
        return false;
    if (!coach) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("The selected coach no longer exists."));
        return false;
    }
    m_TxtFirst->setText(coach->FirstName);
    m_TxtLast->setText(coach->LastName);
    m_TxtAddress->setText(coach->Address);
    m_TxtCity->setText(coach->City);
    m_TxtZip->setText(coach->Zip);
    m_TxtPrimary->setText(coach->Primary);
    m_TxtSecondary->setText(coach->Secondary);
    m_TxtEmail->setText(coach->Email);
    m_teamCode = coach->TeamCode;
    m_CbPosition->setCurrentIndex(coach->Position == HeadCoach ? 0 : 1);
    return true;
}

QString FrmCoach::validationError() const {
    if (m_TxtFirst->text().isEmpty())
        return QStringLiteral("The First Name box must be filled in");
    if (m_TxtLast->text().isEmpty())
        return QStringLiteral("The Last Name box must be filled in");
    if (m_CbPosition->currentIndex() < 0)
        return QStringLiteral("The Position box must have a valid entry");
    return {};
}

bool FrmCoach::Store_Input() {
    CoachRow coach;
    coach.CoachCode = m_coachCode;
    coach.FirstName = m_TxtFirst->text();
    coach.LastName = m_TxtLast->text();
    coach.Address = m_TxtAddress->text();
    coach.City = m_TxtCity->text();
    coach.Zip = m_TxtZip->text();
    coach.Primary = m_TxtPrimary->text();
    coach.Secondary = m_TxtSecondary->text();
    coach.Email = m_TxtEmail->text();
    coach.Position = m_CbPosition->currentText();
    coach.TeamCode = m_teamCode;
    return storeRecord(
        [&] {
            return m_coachCode >= 0 ? CoachData::update(m_state.db(), coach)
                                    : (CoachData::insert(m_state.db(), coach), true);
        },
        Messages::appTitle(), QStringLiteral("The selected coach no longer exists."));
}
