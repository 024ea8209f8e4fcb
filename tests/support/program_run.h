#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The program's own binary, as built.
QString corravinBinary();

// What a run of the program's own binary answered. The status is -1 when the program
// crashed or did not end within a minute.
struct RunOutcome {
    int status = -1;
    QString out; // standard output, without the white space around it
    QString err; // standard error
};

// The program's own binary, started on a program folder (none when empty), which is also its
// working folder when it exists, and on the test server database of that folder's MeetFixture. Each run has settings of its own (a temporary XDG_CONFIG_HOME and HOME), so
// no run reads or writes the user's region setting; `region` is stored there first unless empty. Its standard
// output goes to `outputFile` when one is named.
class CorravinRun {
public:
    CorravinRun(const QString& programFolder, const QStringList& arguments, const QString& outputFile = {},
                const QString& region = {});
    RunOutcome finish();
    // Ends the run at once, as a crash or a power cut would.
    void kill();
    // The settings file of this run's user.
    QString settingsFile() const { return m_home.filePath(QStringLiteral("config/Corravin/Corravin.conf")); }

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

inline RunOutcome runCorravin(const QString& programFolder, const QStringList& arguments, const QString& region = {}) {
    return CorravinRun(programFolder, arguments, {}, region).finish();
}
