#include "results/frm_publish_results.h"

#include "results/publish_settings.h"
#include "results/results_publishing.h"
#include "ui/error_reporter.h"
#include "ui/file_dialogs.h"
#include "ui/guarded_connect.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmPublishResults::FrmPublishResults(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmPublishResults"), QStringLiteral("Publish Results"), 7200, 4200, parent) {
    addTitleLabel(QStringLiteral("Publish Results"), 240, 600)->setObjectName(QStringLiteral("LblTitle"));
    m_TxtFolder = addTextBox(QStringLiteral("TxtFolder"), QStringLiteral("Folder for the results pages"),
                             {480, 1320, 4440, 360}, 32767);
    m_TxtFolder->setReadOnly(true);
    m_TxtFolder->setText(QDir::toNativeSeparators(PublishSettings::folder()));
    auto* choose = new QPushButton(QStringLiteral("Choose Folder..."), this);
    choose->setObjectName(QStringLiteral("CmdChooseFolder"));
    WindowGeometry::place(choose, 5040, 1290, 1680, 420);
    connectGuarded(m_state.messages, choose, &QPushButton::clicked, this, &FrmPublishResults::CmdChooseFolder_Click);
    m_ChkAfterSave = new QCheckBox(QStringLiteral("Publish again after every placings save"), this);
    m_ChkAfterSave->setObjectName(QStringLiteral("ChkAfterSave"));
    m_ChkAfterSave->setAccessibleName(m_ChkAfterSave->text());
    m_ChkAfterSave->setChecked(PublishSettings::afterPlacingsSave());
    WindowGeometry::place(m_ChkAfterSave, 480, 2040, 6240, 360);
    auto* publish = new QPushButton(QStringLiteral("Publish"), this);
    publish->setObjectName(QStringLiteral("CmdPublish"));
    WindowGeometry::place(publish, 1680, 3240, 1560, 480);
    connectGuarded(m_state.messages, publish, &QPushButton::clicked, this, &FrmPublishResults::CmdPublish_Click);
    addKeyButtons(publish, nullptr);
    addCancelButton({3960, 3240, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

void FrmPublishResults::CmdChooseFolder_Click() {
    QString folder;
    if (!runOwnDialog([&] {
            folder = m_state.fileDialogs.pickFolder(this, QStringLiteral("Publish Results To"),
                                                    QDir::fromNativeSeparators(m_TxtFolder->text()));
        }))
        return;
    if (!folder.isEmpty())
        m_TxtFolder->setText(QDir::toNativeSeparators(folder));
}

// Keeps the folder and the tick for the next time and for the placings saves, then writes
// the pages now.
void FrmPublishResults::CmdPublish_Click() {
    const QString folder = QDir::fromNativeSeparators(m_TxtFolder->text());
    if (folder.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("Choose the folder for the results pages first."));
        return;
    }
    PublishSettings::write(folder, m_ChkAfterSave->isChecked());
    ResultsPublishing::Outcome outcome;
    if (!runReportingErrors(m_state.messages, [&] { outcome = ResultsPublishing::publish(m_state, folder); }))
        return;
    if (outcome.refusal) {
        m_state.messages.notice(Messages::appTitle(), outcome.refusal.why(), Messages::Icon::Critical);
        return;
    }
    m_state.messages.notice(Messages::appTitle(), QStringLiteral("The results pages were written to %1.")
                                                      .arg(QDir::toNativeSeparators(folder)));
    close();
}
