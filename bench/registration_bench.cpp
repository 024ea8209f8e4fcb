#include "bench_meet.h"
#include "database/cls_db_manager.h"
#include "database/meet_backup.h"
#include "database/meet_schema.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "registration/frm_assign_numbers.h"
#include "registration/frm_rider_mgmt.h"
#include "registration/number_arrangement.h"
#include "registration/numbering_data.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

constexpr int Teams = 200;
constexpr int Riders = 5000;

// A meet of 5,000 riders in 200 teams. Back numbers hold three characters, so no range
// numbers 5,000 riders; to time a run of that size the bench meet's RiderNumber holds
// four characters, with every other rule of the table kept.
struct NumberingBenchMeet : BenchMeet {
    NumberingBenchMeet() : BenchMeet(QStringLiteral("B")) {
        const QSqlDatabase db = state.db();
        MeetSchema::Table person = MeetSchema::table(QStringLiteral("TblPerson"));
        for (MeetSchema::Field& field : person.fields)
            if (field.name == QLatin1String("RiderNumber"))
                field.length = 4;
        Sql::exec(db, QStringLiteral("DROP TABLE TblPerson"));
        Sql::exec(db, MeetSchema::createStatement(person));

        const QStringList first{"Anna", "Ben", "Cara", "Dan", "Eva", "Finn", "Gia", "Hugo", "Ida", "Jon"};
        const QStringList last{"Smith", "O'Brien", "Nguyen", "Murphy", "Kelly", "Walsh",
                               "Byrne", "Ryan",    "Lynch",  "Doyle",  "Zoë",   "Quinn"};
        TransactionGuard transaction(db);
        for (int t = 0; t < Teams; ++t)
            Sql::exec(db, QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)"),
                      {QStringLiteral("Team %1").arg(t, 3, 10, QChar(u'0')), QString(QChar(u'A' + t % 4)),
                       QString::number(t % 9)});
        for (int r = 0; r < Riders; ++r)
            Sql::exec(db,
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) "
                                     "VALUES (?, ?, ?, ?)"),
                      {first[r % first.size()], last[(r / 7) % last.size()] + QString::number(r), r % Teams + 1,
                       QString::number(r + 1)});
        transaction.commit();
    }
};

NumberingBenchMeet& meet() {
    static NumberingBenchMeet instance;
    return instance;
}

} // namespace

// The secretary's click: random numbers 1 to 5,000 for every rider, written in one
// transaction, and the tree read again.
static void BM_RandomNumberingOfAllRiders(benchmark::State& state) {
    NumberingBenchMeet& m = meet();
    FrmAssignNumbers window(m.state);
    window.CmdRandom_Click();
    auto* from = window.findChild<QLineEdit*>(QStringLiteral("TxtRandRange1"));
    auto* to = window.findChild<QLineEdit*>(QStringLiteral("TxtRandRange2"));
    for (auto _ : state) {
        from->setText(QStringLiteral("1"));
        to->setText(QStringLiteral("5000"));
        window.CmdRandSubmit_Click();
        window.CmdRandom_Click();
    }
    if (m.messages.last != QLatin1String("The random number assignment was successful."))
        state.SkipWithError(qPrintable(m.messages.last));
}
BENCHMARK(BM_RandomNumberingOfAllRiders)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The backup a numbering run makes first, of the same meet: it should cost no more than the run.
static void BM_BackupBeforeNumbering(benchmark::State& state) {
    NumberingBenchMeet& m = meet();
    for (auto _ : state) {
        MeetBackup::beforeBulkChange(m.state.MeetDb, m.state.meetDatabasePath(), QStringLiteral("numbering"));
        state.PauseTiming();
        for (const QString& made : MeetBackup::list(m.state.meetDatabasePath()))
            QFile::remove(made);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BackupBeforeNumbering)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The numbers of `arrangement` written bare, one prepared update per rider in writing order.
void updateNumbersBare(const QSqlDatabase& db, const std::vector<qint32>& order, const NumberArrangement& arrangement) {
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE TblPerson SET RiderNumber = ? WHERE RiderIndex = ?"));
    for (size_t k = 0; k < order.size(); ++k) {
        update.addBindValue(QString::number(arrangement.numbers[k]));
        update.addBindValue(order[k]);
        update.exec();
    }
}

// Baseline: the same numbers for the same riders, one prepared bare UPDATE in one transaction.
static void BM_Baseline_BareUpdateInOneTransaction(benchmark::State& state) {
    NumberingBenchMeet& m = meet();
    const QSqlDatabase db = m.state.db();
    const std::vector<qint32> order = NumberingData::writingOrder(db);
    for (auto _ : state) {
        state.PauseTiming();
        const NumberArrangement arrangement = NumberArrangements::random(Riders, 1, Riders);
        state.ResumeTiming();
        QSqlDatabase(db).transaction();
        updateNumbersBare(db, order, arrangement);
        QSqlDatabase(db).commit();
    }
}
BENCHMARK(BM_Baseline_BareUpdateInOneTransaction)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Baseline of what a numbering run must do besides the update, done bare: in the same
// transaction every rider read first (the check that no other station changed them since the
// window showed them) and the riders' order read (a rider added at another station gets its
// place), then the update; afterwards the riders read again in the window's order, as the list
// shows them.
static void BM_Baseline_NumberingBare(benchmark::State& state) {
    NumberingBenchMeet& m = meet();
    const QSqlDatabase db = m.state.db();
    const std::vector<qint32> order = NumberingData::writingOrder(db);
    auto readAll = [&](const QString& statement) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(statement);
        int read = 0;
        while (query.next()) {
            for (int column = 0; column < 5; ++column)
                benchmark::DoNotOptimize(query.value(column));
            ++read;
        }
        return read;
    };
    for (auto _ : state) {
        state.PauseTiming();
        const NumberArrangement arrangement = NumberArrangements::random(Riders, 1, Riders);
        state.ResumeTiming();
        QSqlDatabase(db).transaction();
        readAll(QStringLiteral("SELECT RiderIndex, RiderNumber, FirstName, LastName, TeamCode FROM TblPerson"));
        benchmark::DoNotOptimize(NumberingData::writingOrder(db).size());
        updateNumbersBare(db, order, arrangement);
        QSqlDatabase(db).commit();
        readAll(QStringLiteral("SELECT TblPerson.RiderIndex, RiderNumber, FirstName, LastName, TblTeam.TeamName "
                               "FROM TblTeam INNER JOIN TblPerson ON TblTeam.TeamCode = TblPerson.TeamCode "
                               "ORDER BY TblTeam.Division, TblTeam.TeamName, TblPerson.LastName, TblPerson.FirstName"));
    }
}
BENCHMARK(BM_Baseline_NumberingBare)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The secretary's search for riders whose last name holds "an": the result list filled.
static void BM_RiderSearchFillsTheList(benchmark::State& state) {
    NumberingBenchMeet& m = meet();
    FrmRiderMgmt window(m.state);
    window.findChild<QComboBox*>(QStringLiteral("LbSearchBy"))->setCurrentIndex(0);
    window.findChild<QLineEdit*>(QStringLiteral("TxtSearchFor"))->setText(QStringLiteral("an"));
    auto* results = window.findChild<QListWidget*>(QStringLiteral("LbResults"));
    for (auto _ : state)
        window.CmdSearch_Click();
    state.counters["found"] = results->count();
}
BENCHMARK(BM_RiderSearchFillsTheList)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Baseline: the bare joined LIKE query, every row read.
static void BM_Baseline_BareSearchQuery(benchmark::State& state) {
    NumberingBenchMeet& m = meet();
    const QSqlDatabase db = m.state.db();
    int found = 0;
    for (auto _ : state) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(
            QStringLiteral("SELECT TblPerson.RiderIndex, TblPerson.RiderNumber, TblPerson.FirstName, "
                           "TblPerson.LastName, TblTeam.TeamName FROM TblPerson INNER JOIN TblTeam ON "
                           "TblPerson.TeamCode = TblTeam.TeamCode WHERE TblPerson.LastName LIKE ? ESCAPE '\\'"));
        query.addBindValue(QStringLiteral("%an%"));
        query.exec();
        found = 0;
        while (query.next()) {
            benchmark::DoNotOptimize(query.value(3));
            ++found;
        }
    }
    state.counters["found"] = found;
}
BENCHMARK(BM_Baseline_BareSearchQuery)->Unit(benchmark::kMillisecond)->MinTime(3.0);
