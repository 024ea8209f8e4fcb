#include "startup/frm_settings.h"

#include "database/class_data.h"
#include "database/class_lineup.h"
#include "database/db_exception.h"
#include "database/meet_backup.h"
#include "startup/region_settings.h"
#include "ui/run_state.h"
#include "ui/activity_host.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmSettings::FrmSettings(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmSettings"), QStringLiteral("Settings"), 8625, 6405, parent) {
    addTitleLabel(QStringLiteral("District Setup Information"), 480, 600);

    auto* region = new QLabel(QStringLiteral("Region"), this);
    region->setObjectName(QStringLiteral("LblRegion"));
    WindowGeometry::place(region, 1440, 1800, 1200, 360);
    m_TxtRegionLetter = new QLineEdit(this);
    m_TxtRegionLetter->setObjectName(QStringLiteral("TxtRegionLetter"));
    m_TxtRegionLetter->setAccessibleName(QStringLiteral("Region"));
    region->setBuddy(m_TxtRegionLetter);
    WindowGeometry::place(m_TxtRegionLetter, 2760, 1770, 1500, 390);

    m_cbClassVersion = new QComboBox(this);
    m_cbClassVersion->setObjectName(QStringLiteral("cbClassVersion"));
    m_cbClassVersion->setAccessibleName(QStringLiteral("Class line-up"));
    WindowGeometry::place(m_cbClassVersion, 1440, 2700, 5745, 390);

    addSubmitButton(QStringLiteral("CmdSubmit"), QStringLiteral("Submit"), {2520, 4800, 1560, 480});
    m_CmdCancel = addCancelButton({4560, 4800, 1560, 480});

    Form_Load();
}

void FrmSettings::Form_Load() {
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
    if (m_state.host)
        m_state.host->Close_Current_Activity();
    if (!m_state.CurrentRegion.isEmpty())
        m_TxtRegionLetter->setText(m_state.CurrentRegion);
    else
        m_CmdCancel->setEnabled(false);

    m_cbClassVersion->addItems({QStringLiteral("My Region uses the standard class line up"),
                                QStringLiteral("My Region uses the modified class lineup")});
    runReportingErrors(m_state.messages, [this] {
        m_classVersion = static_cast<int>(ClassLineup::formOfClass2(ClassData::className(m_state.db(), 2)));
    });
    m_cbClassVersion->setCurrentIndex(m_classVersion);
}

QString FrmSettings::saveQuestion() const {
    return QStringLiteral("These settings are vital to the programs operation and should not be changed once "
                          "information is entered into the program. Are you sure you want to continue?");
}

bool FrmSettings::Validate_Input() {
    const QString letter = m_TxtRegionLetter->text();
    if (letter.isEmpty())
        return refuse(QStringLiteral("The Region must be specified before you may save these settings."));
    const QString invalid = RegionSettings::validate(letter);
    return invalid.isEmpty() || refuse(invalid);
}

bool FrmSettings::Store_Input() {
    const QString letter = m_TxtRegionLetter->text();
    m_state.CurrentRegion = letter;
    RegionSettings::write(letter);
    return Apply_Class_Version();
}

// Answers false when the engine refused the switch; the user has been told and the
// line-up is as it was.
bool FrmSettings::Apply_Class_Version() {
    const int chosen = m_cbClassVersion->currentIndex();
    if (chosen == m_classVersion)
        return true;
    return runReportingErrors(m_state.messages, [&] {
        MeetBackup::beforeBulkChange(m_state.MeetDb, m_state.meetDatabasePath(), QStringLiteral("line-up"));
        ClassData::update(m_state.db(), ClassLineup::fittingAndShowing(static_cast<ClassLineup::Form>(chosen)));
        m_classVersion = chosen;
    });
}
