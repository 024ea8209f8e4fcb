#include "meet_fixture.h"

#include "reports/report_data_source.h"
#include "ui/meet_creation.h"
#include "database/sql.h"
#include "test_server.h"

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
    if (TestServer::inUse())
        state->MeetServer = TestServer::createDatabase(createDatabase);
    if (createDatabase) {
        const MeetLocation location = state->meetLocation();
        MeetCreation::build(state->ProgramFolder, location);
        state->MeetDb.open(location);
        ReportDataSource::of(*state).setDatabasePath(location.text());
    }
}

// Every test that shows messages is held to its script, whether or not it checks it itself:
// a question nobody expected, or an answer nobody took, fails the test that left it.
MeetFixture::~MeetFixture() {
    state->MeetDb.close();
    if (TestServer::inUse()) {
        state->QARNConnection.reset(); // its connection goes with it
        TestServer::dropDatabase(state->MeetServer);
    }
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
    return Sql::scalar(db(), QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
}
