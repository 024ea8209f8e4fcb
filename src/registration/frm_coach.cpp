#include "registration/frm_coach.h"

#include "registration/coach_data.h"
#include "ui/run_state.h"
#include "ui/db_error_reporter.h"
#include "ui/messages.h"
#include "ui/standard_questions.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString HeadCoach = QStringLiteral("Head Coach");
const QString AssistantCoach = QStringLiteral("Assistant Coach");
} // namespace

FrmCoach::FrmCoach(RunState& state, QWidget* parent)
    : EntryWindow(QStringLiteral("FrmCoach"), QStringLiteral("Coach Entry Form"), 7800, 6000, parent), m_state(state) {
    addTitleLabel(QStringLiteral("Coach Information Form"));

    addBox(QStringLiteral("TxtFirst"), QStringLiteral("First Name"), 360, 1140, 3300, 50);
    addBox(QStringLiteral("TxtLast"), QStringLiteral("Last Name"), 4080, 1140, 3300, 50);
    addBox(QStringLiteral("TxtAddress"), QStringLiteral("Address"), 360, 1860, 7020, 50);
    addBox(QStringLiteral("TxtCity"), QStringLiteral("City"), 360, 2580, 4500, 50);
    addBox(QStringLiteral("TxtZip"), QStringLiteral("Zip"), 5160, 2580, 1200, 5);
    addBox(QStringLiteral("TxtPrimary"), QStringLiteral("Primary Contact Number"), 360, 3300, 3300, 50);
    addBox(QStringLiteral("TxtSecondary"), QStringLiteral("Secondary Contact Number"), 4080, 3300, 3300, 50);
    addBox(QStringLiteral("TxtEmail"), QStringLiteral("Email Address"), 360, 4020, 4500, 50);

    auto* positionLabel = new QLabel(QStringLiteral("Position"), this);
    WindowGeometry::place(positionLabel, 5160, 4020 - 300, 2220, 280);
    m_CbPosition = new QComboBox(this);
    m_CbPosition->setObjectName(QStringLiteral("CbPosition"));
    WindowGeometry::place(m_CbPosition, 5160, 4020, 2220, 360);

    auto* submit = new QPushButton(QStringLiteral("Submit"), this);
    submit->setObjectName(QStringLiteral("CmdSubmit"));
    WindowGeometry::place(submit, 2040, 5040, 1560, 480);
    connect(submit, &QPushButton::clicked, this, &FrmCoach::CmdSubmit_Click);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    WindowGeometry::place(cancel, 4200, 5040, 1560, 480);
    connect(cancel, &QPushButton::clicked, this, &FrmCoach::CmdCancel_Click);

    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

QLineEdit* FrmCoach::addBox(const QString& objectName, const QString& caption, int left, int top, int width,
                            int maxLength) {
    auto* label = new QLabel(caption, this);
    WindowGeometry::place(label, left, top - 300, width, 280);
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setMaxLength(maxLength);
    WindowGeometry::place(box, left, top, width, 360);
    m_boxes.insert(objectName, box);
    return box;
}

QString FrmCoach::text(const QString& box) const {
    return m_boxes.value(box)->text();
}

void FrmCoach::Clear_Form() {
    for (QLineEdit* box : std::as_const(m_boxes))
        box->clear();
    m_CbPosition->clear();
    m_CbPosition->addItems({HeadCoach, AssistantCoach});
    m_CbPosition->setCurrentIndex(-1);
}

void FrmCoach::Initialize_Add(qint32 TeamCode) {
    m_editMode = false;
    m_teamCode = TeamCode;
    Clear_Form();
}

bool FrmCoach::Initialize_Edit(qint32 CoachEdit) {
    m_editMode = true;
    m_coachCode = CoachEdit;
    Clear_Form();
    std::optional<CoachRow> coach;
    if (!runReportingDbErrors(m_state.messages, [&] { coach = CoachData::find(m_state.db(), CoachEdit); }))
        return false;
    if (!coach) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("The selected coach no longer exists."));
        return false;
    }
    m_boxes["TxtFirst"]->setText(coach->FirstName);
    m_boxes["TxtLast"]->setText(coach->LastName);
    m_boxes["TxtAddress"]->setText(coach->Address);
    m_boxes["TxtCity"]->setText(coach->City);
    m_boxes["TxtZip"]->setText(coach->Zip);
    m_boxes["TxtPrimary"]->setText(coach->Primary);
    m_boxes["TxtSecondary"]->setText(coach->Secondary);
    m_boxes["TxtEmail"]->setText(coach->Email);
    m_teamCode = coach->TeamCode;
    m_CbPosition->setCurrentIndex(coach->Position == HeadCoach ? 0 : 1);
    return true;
}

QString FrmCoach::validationError() const {
    if (text("TxtFirst").isEmpty())
        return QStringLiteral("The First Name box must be filled in");
    if (text("TxtLast").isEmpty())
        return QStringLiteral("The Last Name box must be filled in");
    if (m_CbPosition->currentIndex() < 0)
        return QStringLiteral("The Position box must have a valid entry");
    return {};
}

void FrmCoach::CmdSubmit_Click() {
    if (!StandardQuestions::confirmSave(m_state.messages))
        return;
    if (const QString error = validationError(); !error.isEmpty()) {
        m_state.messages.notice(QStringLiteral("Submit Error"), error);
        return;
    }
    CoachRow coach;
    coach.CoachCode = m_coachCode;
    coach.FirstName = text("TxtFirst");
    coach.LastName = text("TxtLast");
    coach.Address = text("TxtAddress");
    coach.City = text("TxtCity");
    coach.Zip = text("TxtZip");
    coach.Primary = text("TxtPrimary");
    coach.Secondary = text("TxtSecondary");
    coach.Email = text("TxtEmail");
    coach.Position = m_CbPosition->currentText();
    coach.TeamCode = m_teamCode;
    const bool stored = runReportingDbErrors(m_state.messages, [&] {
        if (m_editMode)
            CoachData::update(m_state.db(), coach);
        else
            CoachData::insert(m_state.db(), coach);
    });
    if (stored)
        close();
}

void FrmCoach::CmdCancel_Click() {
    if (StandardQuestions::confirmCancel(m_state.messages))
        close();
}
