#pragma once

#include "database/meet_file_check.h"

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class FileLock;
class FrmMain;
class FrmSettings;
class MeetLocation;
class RunState;

struct StartOptions {
    QString programFolder;             // empty: the executable's folder (see programFolderOf)
    std::optional<QSize> screenTwips;  // empty: the primary screen's size
    // The windowed program writes; a headless command that only reads (print, backup) may
    // also use a meet database that cannot be written.
    MeetFileCheck::Use use = MeetFileCheck::Use::ReadWrite;
    // The windowed program holds the meet while it runs, so no second window works on it.
    bool holdsMeet = false;
    QString server{}; // a server URI (--server); empty: as the settings say
};

// Program start-up: refuses small screens, finds where the meet lives (the file in the program
// folder, or a server named by --server or the settings), has the meet database created when
// missing, checks and opens it, and brings up the main window (and, on a first start, the
// region settings first).
class SubMain {
public:
    explicit SubMain(RunState& state);
    ~SubMain();

    // Prepares the run state and the meet database. Answers the exit status when the
    // program must end (the user has been told why), nothing when it may go on; with
    // `holdsMeet`, the meet is then held until this object goes.
    std::optional<int> Prepare(const StartOptions& options);

    // Prepare, a backup of the meet database, then the windows. Answers the exit status
    // when the program must end.
    std::optional<int> Main(const StartOptions& options);

    FrmMain* mainForm() const;

    // The program folder the options name: unless one is given, the executable's folder, or the
    // user's data folder (made when missing) when the executable's folder cannot be written.
    static QString programFolderOf(const StartOptions& options);
    // The server URI the options name, else the one in the settings; empty for neither.
    static QString serverOf(const StartOptions& options);
    // Throws std::runtime_error naming `folder` when the program folder is not there.
    static void requireProgramFolder(const QString& folder);

private:
    std::optional<int> chooseMeetServer(const StartOptions& options);
    std::optional<int> prepareMeetDatabase(const StartOptions& options);
    std::optional<int> prepareServerMeet();
    void reportStartFailure(const QString& why);
    std::optional<int> reportingStartFailures(const std::function<std::optional<int>()>& open);
    std::optional<int> openChecked(const MeetLocation& location, const MeetFileVerdict& verdict);
    bool holdMeet(const QString& meetDbPath);

    RunState& m_state;
    FrmMain* m_mainForm = nullptr;
    std::unique_ptr<FileLock> m_meetHold;
};

// The screen's size in twips, each side clamped to what a 16-bit value holds.
QSize screenSizeInTwips();
