#include "meet_fixture.h"

#include "reports/report_data_source.h"
#include "ui/meet_creation.h"
#include "database/sql.h"

#include <QSettings>
#include <QTest>
#include <stdexcept>

void useTemporarySettings(const QString& folder) {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

MeetFixture::MeetFixture(bool createDatabase) : state(std::make_unique<RunState>(messages, dialogs)) {
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder");
    useTemporarySettings(m_folder.filePath(QStringLiteral("settings")));
    state->ScreenWidth = 12000;
    state->ScreenHeight = 9000;
    state->ProgramFolder = m_folder.path();
    if (createDatabase) {
        MeetCreation::build(state->ProgramFolder, databasePath());
        state->MeetDb.open(databasePath());
        ReportDataSource::of(*state).setDatabasePath(databasePath());
    }
}

// Every test that shows messages is held to its script, whether or not it checks it itself:
// a question nobody expected, or an answer nobody took, fails the test that left it.
MeetFixture::~MeetFixture() {
    state->MeetDb.close();
    const QString problems = messages.problems();
    if (!problems.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("unchecked messages: ") + problems), __FILE__, __LINE__);
}

void MeetFixture::exec(const QString& statement, const QVariantList& values) const {
    Sql::exec(db(), statement, values);
}

QVariant MeetFixture::scalar(const QString& statement, const QVariantList& values) const {
    return Sql::scalar(db(), statement, values);
}

QStringList MeetFixture::column(const QString& statement, const QVariantList& values) const {
    QStringList all;
    auto query = Sql::exec(db(), statement, values);
    while (query.next())
        all << query.value(0).toString();
    return all;
}

int MeetFixture::count(const QString& table) const {
    // Table names come from the tests themselves, never from input.
    return Sql::scalar(db(), QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
}

OtherStation::OtherStation(const MeetFixture& meet, int lockWaitMs) : state(messages, dialogs) {
    state.ScreenWidth = meet.state->ScreenWidth;
    state.ScreenHeight = meet.state->ScreenHeight;
    state.CurrentRegion = meet.state->CurrentRegion;
    state.ProgramFolder = meet.state->ProgramFolder;
    state.MeetDb.open(meet.databasePath(), DbConnection::Mode::ReadWrite, lockWaitMs);
}

OtherStation::~OtherStation() {
    state.MeetDb.close();
    const QString problems = messages.problems();
    if (!problems.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("unchecked messages of the other station: ") + problems), __FILE__,
                     __LINE__);
}
