#include "database/cls_db_manager.h"
#include "ui/meet_creation.h"
#include "database/meet_schema.h"
#include "database/sql.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A whole meet database as start-up creates it: tables, class line-up, 36 label images,
// built under a temporary name and renamed into place.
static void BM_CreateMeetDatabase(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("QARNReduzuduv2006.mdb"));
    for (auto _ : state) {
        MeetCreation::build(folder.path(), path);
        state.PauseTiming();
        // A first creation: no database and no label folder yet.
        QFile::remove(path);
        QDir(folder.filePath(QStringLiteral("LabelFiles"))).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateMeetDatabase)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Baseline: the same nine tables with bare SQL in one transaction on a new file, nothing else.
static void BM_Baseline_CreateTablesOnly(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tables.db"));
    for (auto _ : state) {
        {
            DbConnection connection;
            connection.open(path);
            Sql::exec(connection.db(), QStringLiteral("PRAGMA journal_mode = DELETE"));
            connection.db().transaction();
            for (const MeetSchema::Table& table : MeetSchema::tables())
                Sql::exec(connection.db(), MeetSchema::createStatement(table));
            connection.db().commit();
        }
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Baseline_CreateTablesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
