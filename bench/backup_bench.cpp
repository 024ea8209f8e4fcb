#include "bench_meet.h"
#include "database/db_connection.h"
#include "database/meet_backup.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "ui/meet_creation.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

constexpr int BackupTeams = 200;
constexpr int BackupRidersPerTeam = 25;
constexpr int BackupClasses = 17;
constexpr int BackupJudgesPerClass = 2;
constexpr int BackupPlaces = 10;
const char* Divisions[] = {"A", "B", "C", "D"};

// Ten times a realistic meet: 200 teams, 5,000 riders each entered in three classes, two
// coaches a team, and every class of every division placed by both its judges.
void fillLargeMeet(const QSqlDatabase& db) {
    TransactionGuard transaction(db);
    QList<QVariantList> teams, coaches, riders, entries, judges, assignments, placings;
    for (int t = 1; t <= BackupTeams; ++t) {
        teams.append({QString("Team %1").arg(t), Divisions[t % 4], QString::number(t % 30)});
        for (int c = 0; c < 2; ++c)
            coaches.append({"Coach", QString("Of team %1").arg(t), "12 Barn Road", "Springfield", "12345", "Head", t});
        for (int r = 0; r < BackupRidersPerTeam; ++r) {
            const int rider = (t - 1) * BackupRidersPerTeam + r + 1;
            riders.append({QString("Rider%1").arg(rider), "Lastname", "1 Lane", "Town", "12345", t,
                           QString::number(rider % 1000)});
            for (int e = 0; e < 3; ++e)
                entries.append({(rider + e * 5) % BackupClasses + 1, rider});
        }
    }
    for (int j = 1; j <= 8; ++j)
        judges.append({QString("Judge%1").arg(j), "Smith"});
    for (const char* division : Divisions)
        for (int cls = 1; cls <= BackupClasses; ++cls)
            for (int judge = 1; judge <= BackupJudgesPerClass; ++judge) {
                assignments.append({judge, cls, division});
                for (int place = 1; place <= BackupPlaces; ++place)
                    placings.append({cls, place, place * 37 + cls, 11 - place, division, judge});
            }
    Sql::execEach(db, "INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)", teams);
    Sql::execEach(db,
                  "INSERT INTO TblCoach (FirstName, LastName, Address, City, Zip, Position, TeamCode) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)",
                  coaches);
    Sql::execEach(db,
                  "INSERT INTO TblPerson (FirstName, LastName, Address, City, Zip, TeamCode, RiderNumber) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)",
                  riders);
    Sql::execEach(db, "INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (?, ?)", entries);
    Sql::execEach(db, "INSERT INTO TblJudge (FirstName, LastName) VALUES (?, ?)", judges);
    Sql::execEach(db, "INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, ?)", assignments);
    Sql::execEach(db,
                  "INSERT INTO TblPlacing (ClassNumber, Place, RiderIndex, Points, Division, JudgeID) "
                  "VALUES (?, ?, ?, ?, ?, ?)",
                  placings);
    transaction.commit();
}

struct LargeMeet {
    QTemporaryDir folder;
    DbConnection db;
    QString path() const { return folder.filePath(QStringLiteral("QARNReduzuduv2006.mdb")); }
    LargeMeet() {
        MeetCreation::build(folder.path(), path());
        db.open(path());
        fillLargeMeet(db.db());
    }
};

LargeMeet& largeMeet() {
    static LargeMeet meet;
    return meet;
}

// A bare copy of `from`, written to the disk before it counts as made.
void syncedCopy(const QString& from, const QString& to) {
    QFile::copy(from, to);
    QFile written(to);
    written.open(QIODevice::ReadWrite);
    ::fsync(written.handle());
}

} // namespace

// A backup as start-up makes one: the engine's copy of the open file, checked, renamed into
// the backup folder, old backups pruned. On the server: the same meet read in one snapshot and
// written as a meet file beside the program folder's, checked and named the same way.
static void BM_BackupOfLargeMeet(benchmark::State& state, BenchEngine engine) {
    LargeMeet& meet = largeMeet();
    const DbConnection* db = &meet.db;
    if (engine == BenchEngine::Server) {
        static BenchMeet server(QStringLiteral("C"), BenchEngine::Server);
        static const bool filled = (fillLargeMeet(server.state.db()), true);
        benchmark::DoNotOptimize(filled);
        db = &server.state.MeetDb;
    }
    for (auto _ : state) {
        const QString made = MeetBackup::make(*db, QStringLiteral("start"), meet.path());
        state.PauseTiming();
        QFile::remove(made);
        state.ResumeTiming();
    }
    state.counters["file_kB"] = static_cast<double>(QFile(meet.path()).size()) / 1024;
}
const bool backupOnBothEngines = onBothEngines("BM_BackupOfLargeMeet", BM_BackupOfLargeMeet, [](auto* b) {
    b->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5)->ReportAggregatesOnly();
});

// Baseline: a bare file copy of the same closed-for-writing file.
static void BM_Baseline_FileCopy(benchmark::State& state) {
    LargeMeet& meet = largeMeet();
    const QString copy = meet.folder.filePath(QStringLiteral("copy.mdb"));
    for (auto _ : state) {
        QFile::copy(meet.path(), copy);
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Baseline_FileCopy)->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5)->ReportAggregatesOnly();

// Baseline: the same copy written to the disk before it counts as made, as a backup is.
static void BM_Baseline_SyncedFileCopy(benchmark::State& state) {
    LargeMeet& meet = largeMeet();
    const QString copy = meet.folder.filePath(QStringLiteral("copy.mdb"));
    for (auto _ : state) {
        syncedCopy(meet.path(), copy);
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Baseline_SyncedFileCopy)->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5)->ReportAggregatesOnly();

// Baseline of a backup's whole work done bare: the copy synced to the disk, then opened and
// checked by the engine (PRAGMA quick_check reads every page), as a backup is before it is
// named as one.
static void BM_Baseline_CheckedSyncedCopy(benchmark::State& state) {
    LargeMeet& meet = largeMeet();
    const QString copy = meet.folder.filePath(QStringLiteral("checked.mdb"));
    for (auto _ : state) {
        syncedCopy(meet.path(), copy);
        {
            QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare_check"));
            check.setDatabaseName(copy);
            check.open();
            QSqlQuery quick(check);
            quick.exec(QStringLiteral("PRAGMA quick_check"));
            quick.next();
            benchmark::DoNotOptimize(quick.value(0).toString());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bare_check"));
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Baseline_CheckedSyncedCopy)->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5)->ReportAggregatesOnly();
