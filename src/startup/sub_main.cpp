#include "startup/sub_main.h"

#include "database/db_exception.h"
#include "database/file_lock.h"
#include "database/meet_backup.h"
#include "database/meet_location.h"
#include "database/meet_locks.h"
#include "database/meet_server_check.h"
#include "ui/meet_creation.h"
#include "reports/report_data_source.h"
#include "startup/frm_main.h"
#include "startup/region_settings.h"
#include "startup/server_setting.h"
#include "ui/run_state.h"
#include "ui/messages.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <exception>

namespace {
constexpr int MinimumWidth = 12000;
constexpr int MinimumHeight = 9000;
constexpr int Largest16Bit = 32767;
} // namespace

QSize screenSizeInTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize();
    return {std::min(Twips::fromPixels(pixels.width()), Largest16Bit),
            std::min(Twips::fromPixels(pixels.height()), Largest16Bit)};
}

SubMain::SubMain(RunState& state) : m_state(state) {}

SubMain::~SubMain() { delete m_mainForm; }

FrmMain* SubMain::mainForm() const { return m_mainForm; }

std::optional<int> SubMain::Prepare(const StartOptions& options) {
    const QSize screen = options.screenTwips.value_or(screenSizeInTwips());
    m_state.ScreenWidth = static_cast<qint16>(std::min(screen.width(), Largest16Bit));
    m_state.ScreenHeight = static_cast<qint16>(std::min(screen.height(), Largest16Bit));
    if (m_state.ScreenWidth < MinimumWidth || m_state.ScreenHeight < MinimumHeight) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("Corravin cannot be used on a machine having a screen resolution less "
                                               "than 800X600 DPI"));
        return 1;
    }

    m_state.CurrentRegion.clear();
    m_state.ProgramFolder = programFolderOf(options);
    auto status = chooseMeetServer(options);
    if (!status)
        status = m_state.MeetServer.isEmpty() ? prepareMeetDatabase(options) : prepareServerMeet();
    if (status)
        m_meetHold.reset(); // the program ends
    return status;
}

bool SubMain::holdMeet(const QString& meetDbPath) {
    m_meetHold = std::make_unique<FileLock>(MeetLocks::hold(meetDbPath));
    if (m_meetHold->take(MeetLocks::HoldWaitMs) || !m_meetHold->heldElsewhere())
        return true; // a lock file that cannot be made: the check of the folder says why
    const QString holder = m_meetHold->holder();
    m_state.messages.notice(Messages::appTitle(),
                            QStringLiteral("The meet database %1 is open in another window of Corravin%2.\n\nWork "
                                           "on in that window, or close it and start Corravin again.")
                                .arg(QDir::toNativeSeparators(meetDbPath),
                                     holder.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(holder)),
                            Messages::Icon::Critical);
    return false;
}

QString SubMain::serverOf(const StartOptions& options) {
    return options.server.isEmpty() ? ServerSetting::read() : options.server;
}

std::optional<int> SubMain::chooseMeetServer(const StartOptions& options) {
    const QString server = serverOf(options);
    if (server.isEmpty())
        return std::nullopt; // the meet stays where the run state has it: the file, unless a caller said otherwise
    if (const QString problem = MeetLocation::uriProblem(server); !problem.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("Corravin could not start: %1%2.")
                                    .arg(problem, options.server.isEmpty()
                                                      ? QStringLiteral(" (MeetServer in the settings)")
                                                      : QString()),
                                Messages::Icon::Critical);
        return 1;
    }
    m_state.MeetServer = server;
    return std::nullopt;
}

void SubMain::reportStartFailure(const QString& why) {
    m_state.messages.notice(Messages::appTitle(), QStringLiteral("Corravin could not start:\n\n%1").arg(why),
                            Messages::Icon::Critical);
}

void SubMain::requireProgramFolder(const QString& folder) {
    if (!QDir(folder).exists())
        throw std::runtime_error(
            QStringLiteral("The program folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)).toStdString());
}

// Runs one way of opening the meet; a failure it throws is reported as a start that failed.
std::optional<int> SubMain::reportingStartFailures(const std::function<std::optional<int>()>& open) {
    try {
        return open();
    } catch (const DbException& error) {
        reportStartFailure(error.engineText());
    } catch (const std::exception& error) {
        reportStartFailure(QString::fromStdString(error.what()));
    }
    return 1;
}

// Opens the meet at `location` once its check found it usable; says why not otherwise.
std::optional<int> SubMain::openChecked(const MeetLocation& location, const MeetFileVerdict& verdict) {
    if (!verdict.usable()) {
        m_state.messages.notice(Messages::appTitle(), verdict.message, Messages::Icon::Critical);
        return 1;
    }
    m_state.MeetDb.open(location);
    ReportDataSource::of(m_state).setDatabasePath(location.text());
    return std::nullopt;
}

std::optional<int> SubMain::prepareServerMeet() {
    return reportingStartFailures([this]() -> std::optional<int> {
        const MeetLocation location = m_state.meetLocation();
        requireProgramFolder(m_state.ProgramFolder); // the label images are drawn there, as for a file meet
        MeetCreation::build(m_state.ProgramFolder, location);
        return openChecked(location, MeetServerCheck::examine(location));
    });
}

std::optional<int> SubMain::prepareMeetDatabase(const StartOptions& options) {
    return reportingStartFailures([this, &options]() -> std::optional<int> {
        const QString path = m_state.meetDatabasePath();
        requireProgramFolder(m_state.ProgramFolder);
        // Held before anything is touched: a second window leaves the meet as it found it.
        if (options.holdsMeet && !holdMeet(path))
            return 1;
        MeetLocks::removeLeftovers(path, m_meetHold && m_meetHold->held());
        MeetCreation::build(m_state.ProgramFolder, path);
        // An interrupted write is finished here; only a file that really is no meet database
        // is reported as one, and a locked or read-only file is called so.
        return openChecked(MeetLocation::file(path), MeetFileCheck::examine(path, options.use));
    });
}

QString SubMain::programFolderOf(const StartOptions& options) {
    if (!options.programFolder.isEmpty())
        return QDir::cleanPath(QDir(options.programFolder).absolutePath());
    const QString executableFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    // The system's program folders are never the meet's, even for root, who may write there.
    static const QStringList systemFolders{QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin"),
                                           QStringLiteral("/bin")};
    const bool systemFolder = systemFolders.contains(QFileInfo(executableFolder).canonicalFilePath());
    if (!systemFolder && QFileInfo(executableFolder).isWritable())
        return executableFolder; // a build folder, or a copy of the program the user owns
    // An installed program cannot keep the meet beside itself: the user's data folder takes it.
    // Named here rather than by the application's names, which tests and settings set otherwise.
    const QString userFolder = QDir::cleanPath(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Corravin"));
    QDir().mkpath(userFolder); // a folder that cannot be made is reported by the start-up check
    return userFolder;
}

std::optional<int> SubMain::Main(const StartOptions& options) {
    const QString stored = RegionSettings::read();
    StartOptions windowed = options;
    windowed.holdsMeet = true;
    if (const auto status = Prepare(windowed))
        return status;
    // The file is known sound now: keep a copy of it as it was at this start. Without one the
    // meet can still go on, so a failure is told, not fatal. A server keeps its own backups.
    if (!m_state.MeetDb.onServer()) {
        try {
            MeetBackup::make(m_state.MeetDb, QStringLiteral("start"));
        } catch (const DbException& error) {
            m_state.messages.notice(Messages::appTitle(), error.engineText(), Messages::Icon::Exclamation);
        }
    }

    // The main window builds its title from the region when it is made, so the region is set first.
    if (stored != RegionSettings::notSet())
        m_state.CurrentRegion = stored;
    m_mainForm = new FrmMain(m_state);
    if (stored != RegionSettings::notSet()) {
        m_mainForm->show();
        m_mainForm->activateWindow(); // the keyboard's, even where no window manager gives it
        m_mainForm->unsetCursor();
    } else {
        m_mainForm->Open_Settings();
    }
    return std::nullopt;
}
