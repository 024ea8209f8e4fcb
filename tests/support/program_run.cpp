#include "program_run.h"

#include "test_server.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSettings>

QString corravinBinary() { return QStringLiteral(CORRAVIN_BINARY_DIR "/corravin"); }

CorravinRun::CorravinRun(const QString& programFolder, const QStringList& arguments, const QString& outputFile,
                         const QString& region) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    if (!region.isEmpty()) {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("ProgramConst/RegionLetter"), region);
    }
    m_process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        m_process.setStandardOutputFile(outputFile);
    m_process.setWorkingDirectory(QFileInfo(programFolder).isDir() ? programFolder : m_home.path());
    QStringList folder =
        programFolder.isEmpty() ? QStringList() : QStringList{QStringLiteral("--program-folder"), programFolder};
    // A test's meet on the test server is where the run works too.
    if (const QString server = TestServer::databaseOf(programFolder); !server.isEmpty())
        folder << QStringLiteral("--server") << server;
    m_process.start(corravinBinary(), folder + arguments);
}

RunOutcome CorravinRun::finish() {
    RunOutcome outcome;
    if (m_process.waitForFinished(60000) && m_process.exitStatus() == QProcess::NormalExit)
        outcome.status = m_process.exitCode();
    else
        m_process.kill();
    m_process.waitForFinished(5000);
    outcome.out = QString::fromLocal8Bit(m_process.readAllStandardOutput()).trimmed();
    outcome.err = QString::fromLocal8Bit(m_process.readAllStandardError());
    return outcome;
}

void CorravinRun::kill() {
    m_process.kill();
    m_process.waitForFinished(5000);
}
