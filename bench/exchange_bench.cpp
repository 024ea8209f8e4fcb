#include "bench_meet.h"
#include "database/cls_db_manager.h"
#include "database/district_file.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "exchange/export_data.h"
#include "exchange/import_data.h"
#include "database/meet_schema.h"
#include "ui/meet_creation.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ExchangeTeams = 200;
constexpr int ExportRiders = 1000;   // back numbers of three characters: at most 1,099 differ by value
constexpr int DistrictRiders = 5000;

// A meet of 200 teams with a coach each and 1,000 riders numbered 0 to 999, a district file
// of 200 teams with 5,000 riders, and an empty meet database to import into.
struct ExchangeMeet {
    QTemporaryDir folder;
    QString meetPath = folder.filePath(QStringLiteral("meet.mdb"));
    QString emptyPath = folder.filePath(QStringLiteral("empty") + QStringLiteral("/meet.mdb"));
    QString districtPath = folder.filePath(QStringLiteral("District1-2006.MDB"));
    DbConnection meet;
    QList<qint32> teamCodes;

    ExchangeMeet() {
        MeetCreation::build(folder.path(), meetPath);
        QDir(folder.path()).mkpath(QStringLiteral("empty"));
        MeetCreation::build(folder.filePath(QStringLiteral("empty")), emptyPath);
        meet.open(meetPath);
        const QSqlDatabase db = meet.db();
        TransactionGuard transaction(db);
        QList<QVariantList> teams, coaches, riders;
        for (int t = 1; t <= ExchangeTeams; ++t) {
            teams.append({QStringLiteral("Team %1").arg(t), QString(QChar(u'A' + t % 4))});
            coaches.append({QStringLiteral("Coach"), QStringLiteral("Of %1").arg(t), t});
            teamCodes << t;
        }
        for (int r = 0; r < ExportRiders; ++r)
            riders.append({QStringLiteral("First%1").arg(r), QStringLiteral("Last%1").arg(r), 1 + r % ExchangeTeams,
                           QString::number(r)});
        Sql::execEach(db, QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, '1')"), teams);
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) "
                                     "VALUES (?, ?, 'Head Coach', ?)"),
                      coaches);
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, ?, ?)"),
                      riders);
        transaction.commit();
        writeDistrictFile();
    }

    void writeDistrictFile() {
        DbConnection file;
        file.open(districtPath);
        const QSqlDatabase db = file.db();
        Sql::exec(db, QStringLiteral("CREATE TABLE TblTeam (TeamCode INTEGER, TeamName TEXT, Division TEXT, District TEXT)"));
        Sql::exec(db, QStringLiteral("CREATE TABLE TblCoach (TeamCode INTEGER, CoachCode INTEGER, FirstName TEXT, "
                                     "LastName TEXT, Position TEXT, Address TEXT, City TEXT, Zip TEXT, \"Primary\" TEXT, "
                                     "Secondary TEXT, Email TEXT)"));
        Sql::exec(db, QStringLiteral("CREATE TABLE TblPerson (TeamCode INTEGER, RiderNumber TEXT, FirstName TEXT, "
                                     "LastName TEXT, Address TEXT, City TEXT, Zip TEXT)"));
        TransactionGuard transaction(db);
        QList<QVariantList> teams, coaches, riders;
        for (int t = 1; t <= ExchangeTeams; ++t) {
            teams.append({t, QStringLiteral("Team %1").arg(t), QString(QChar(u'A' + t % 4)), QStringLiteral("1")});
            coaches.append({t, t, QStringLiteral("Coach"), QStringLiteral("Of %1").arg(t)});
        }
        for (int r = 0; r < DistrictRiders; ++r)
            riders.append({1 + r % ExchangeTeams, QString::number(r % 1000), QStringLiteral("First%1").arg(r),
                           QStringLiteral("Last%1").arg(r)});
        Sql::execEach(db, QStringLiteral("INSERT INTO TblTeam VALUES (?, ?, ?, ?)"), teams);
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblCoach VALUES (?, ?, ?, ?, 'Head Coach', '', '', '', '', '', '')"),
                      coaches);
        Sql::execEach(db, QStringLiteral("INSERT INTO TblPerson VALUES (?, ?, ?, ?, '', '', '')"), riders);
        transaction.commit();
    }
};

// Every row of a bare select, its values in column order.
QList<QVariantList> bareRows(const QSqlDatabase& db, const char* select) {
    QList<QVariantList> rows;
    auto query = Sql::exec(db, QLatin1String(select));
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList values;
        for (int c = 0; c < columns; ++c)
            values << query.value(c);
        rows << values;
    }
    return rows;
}

ExchangeMeet& exchangeMeet() {
    static ExchangeMeet meet;
    return meet;
}

void BM_ExportAllTeams(benchmark::State& run) {
    ExchangeMeet& meet = exchangeMeet();
    const QString path = meet.folder.filePath(QStringLiteral("RegionB-2006.mdb"));
    for (auto _ : run) {
        const Cls_Db_Manager::ExportRows rows = ExportData::rowsOf(meet.meet.db(), meet.teamCodes);
        benchmark::DoNotOptimize(ExportData::unexportable(rows).size());
        benchmark::DoNotOptimize(Cls_Db_Manager::Build_Export_Database(path, rows).size());
    }
}

// Baseline: the same rows read in one statement per table and inserted into a new file of
// the same tables in one transaction.
void BM_BareExportInserts(benchmark::State& run) {
    ExchangeMeet& meet = exchangeMeet();
    const QString path = meet.folder.filePath(QStringLiteral("bare-export.mdb"));
    for (auto _ : run) {
        QFile::remove(path);
        DbConnection file;
        file.open(path);
        const QSqlDatabase db = file.db();
        Sql::exec(db, QStringLiteral("PRAGMA journal_mode = OFF"));
        TransactionGuard transaction(db);
        for (const MeetSchema::Table& table : MeetSchema::exportTables())
            Sql::exec(db, MeetSchema::createStatement(table));
        const struct {
            const char* select;
            const char* insert;
        } copies[] = {
            {"SELECT FirstName, LastName, Position, TeamCode, CoachCode FROM TblCoach",
             "INSERT INTO TblCoach VALUES (?, ?, ?, ?, ?)"},
            {"SELECT RiderIndex, FirstName, LastName, TeamCode, RiderNumber FROM TblPerson",
             "INSERT INTO TblPerson VALUES (?, ?, ?, ?, ?)"},
            {"SELECT TeamCode, TeamName, Division, District FROM TblTeam", "INSERT INTO TblTeam VALUES (?, ?, ?, ?)"}};
        for (const auto& copy : copies)
            Sql::execEach(db, QLatin1String(copy.insert), bareRows(meet.meet.db(), copy.select));
        transaction.commit();
    }
}

// A fresh copy of the empty meet at `target`, opened, untimed.
void openEmptyCopy(benchmark::State& run, const ExchangeMeet& meet, const QString& target, DbConnection& db) {
    run.PauseTiming();
    QFile::remove(target);
    QFile::copy(meet.emptyPath, target);
    db.open(target);
    run.ResumeTiming();
}

// The import into an empty meet: on the file engine a fresh copy of the empty meet database, on
// the server a meet database emptied of teams, coaches and riders; both made untimed for every run.
void BM_ImportDistrictFile(benchmark::State& run, BenchEngine engine) {
    ExchangeMeet& meet = exchangeMeet();
    const QString target = meet.folder.filePath(QStringLiteral("import.mdb"));
    for (auto _ : run) {
        DbConnection file;
        QSqlDatabase db;
        if (engine == BenchEngine::Server) {
            static BenchMeet server(QStringLiteral("C"), BenchEngine::Server);
            run.PauseTiming();
            for (const char* table : {"TblPerson", "TblCoach", "TblTeam"})
                Sql::exec(server.state.db(), QStringLiteral("DELETE FROM ") + QLatin1String(table));
            run.ResumeTiming();
            db = server.state.db();
        } else {
            openEmptyCopy(run, meet, target, file);
            db = file.db();
        }
        const DistrictFile::Read read = DistrictFile::read(meet.districtPath, QString());
        benchmark::DoNotOptimize(ImportData::importAll(db, read.content).riders);
    }
}

// Baseline: the same teams, coaches and riders inserted into an empty meet in one transaction.
void BM_BareImportInserts(benchmark::State& run) {
    ExchangeMeet& meet = exchangeMeet();
    const QString target = meet.folder.filePath(QStringLiteral("bare-import.mdb"));
    for (auto _ : run) {
        DbConnection db;
        openEmptyCopy(run, meet, target, db);
        TransactionGuard transaction(db.db());
        QList<QVariantList> teams, coaches, riders;
        for (int t = 1; t <= ExchangeTeams; ++t) {
            teams.append({QStringLiteral("Team %1").arg(t), QString(QChar(u'A' + t % 4))});
            coaches.append({QStringLiteral("Coach"), QStringLiteral("Of %1").arg(t), t});
        }
        for (int r = 0; r < DistrictRiders; ++r)
            riders.append({QStringLiteral("First%1").arg(r), QStringLiteral("Last%1").arg(r), 1 + r % ExchangeTeams,
                           QString::number(r % 1000)});
        Sql::execEach(db.db(), QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, '1')"),
                      teams);
        Sql::execEach(db.db(),
                      QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) "
                                     "VALUES (?, ?, 'Head Coach', ?)"),
                      coaches);
        Sql::execEach(db.db(),
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, ?, ?)"),
                      riders);
        transaction.commit();
    }
}

// Fair baseline: what the import must do besides the inserts, done bare. The district file is
// opened read-only, checked by the engine and its three tables read in the import's order; each
// team is inserted for its new key and its coaches and riders with every field the import keeps.
void BM_Baseline_ImportReadCheckAndInserts(benchmark::State& run) {
    ExchangeMeet& meet = exchangeMeet();
    const QString target = meet.folder.filePath(QStringLiteral("fair-import.mdb"));
    for (auto _ : run) {
        DbConnection db;
        openEmptyCopy(run, meet, target, db);
        DbConnection file;
        file.open(meet.districtPath, DbConnection::Mode::ReadOnly);
        benchmark::DoNotOptimize(Sql::scalar(file.db(), QStringLiteral("PRAGMA quick_check")));
        const QList<QVariantList> teams =
            bareRows(file.db(), "SELECT TeamCode, TeamName, Division, District FROM TblTeam ORDER BY upper(Division), TeamName");
        QList<QVariantList> coaches = bareRows(
            file.db(), "SELECT FirstName, LastName, Position, TeamCode, Address, City, Zip, \"Primary\", Secondary, Email "
                       "FROM TblCoach ORDER BY TeamCode, Position DESC, LastName, FirstName");
        QList<QVariantList> riders =
            bareRows(file.db(), "SELECT FirstName, LastName, TeamCode, Address, City, Zip, RiderNumber FROM TblPerson "
                               "ORDER BY TeamCode, LastName, FirstName");
        TransactionGuard transaction(db.db());
        QHash<qint64, QVariant> newCode;
        for (const QVariantList& team : teams)
            newCode.insert(team[0].toLongLong(),
                           Sql::insertReturningKey(db.db(),
                                                   QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) "
                                                                  "VALUES (?, ?, ?)"),
                                                   {team[1], team[2], team[3]}, QStringLiteral("TeamCode")));
        for (QVariantList& coach : coaches)
            coach[3] = newCode.value(coach[3].toLongLong());
        for (QVariantList& rider : riders)
            rider[2] = newCode.value(rider[2].toLongLong());
        Sql::execEach(db.db(),
                      QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode, Address, City, Zip, "
                                     "\"Primary\", Secondary, Email) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      coaches);
        Sql::execEach(db.db(),
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, Address, City, Zip, "
                                     "RiderNumber) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      riders);
        transaction.commit();
    }
}

} // namespace

BENCHMARK(BM_ExportAllTeams)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareExportInserts)->Unit(benchmark::kMillisecond);
const bool importOnBothEngines =
    onBothEngines("BM_ImportDistrictFile", BM_ImportDistrictFile, [](auto* b) { b->Unit(benchmark::kMillisecond); });
BENCHMARK(BM_BareImportInserts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_ImportReadCheckAndInserts)->Unit(benchmark::kMillisecond);
