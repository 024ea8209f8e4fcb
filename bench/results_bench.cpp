#include "bench_meet.h"
#include "bare_pdf.h"
#include "database/sql.h"
#include "reports/print_registry.h"
#include "results/results_reports.h"
#include "database/transaction_guard.h"
#include "results/frm_place_assign.h"
#include "results/result_data.h"
#include "results/results_publishing.h"
#include "results/standings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Ten times a realistic meet: 200 teams (50 a division) of 25 riders; each rider entered in
// three classes; every class of every division placed ten deep by its two judges; class 5
// of division A has 200 entries.
struct ResultsBenchMeet : BenchMeet {
    ResultsBenchMeet() {
        const QSqlDatabase db = state.db();
        TransactionGuard transaction(db);
        Sql::exec(db, QStringLiteral("INSERT INTO TblJudge (FirstName, LastName) VALUES ('Sam', 'Adams'), ('Mary', 'Ellis')"));
        QList<QVariantList> teams, riders, entries, placings, judges;
        int rider = 0;
        for (int t = 0; t < 200; ++t) {
            const QString division(QChar(u'A' + t % 4));
            teams.append({QStringLiteral("Team %1").arg(t), division});
            for (int r = 0; r < 25; ++r) {
                ++rider;
                riders.append({QStringLiteral("First%1").arg(rider), QStringLiteral("Last%1").arg(rider), t + 1,
                               QString::number(rider % 1000)});
                for (int k = 0; k < 3; ++k)
                    entries.append({1 + (rider + 5 * k) % 17, rider});
                if (division == QLatin1String("A") && r < 8)
                    entries.append({5, rider});
            }
        }
        for (const char* division : {"A", "B", "C", "D"})
            for (int c = 1; c <= 17; ++c)
                for (int judge = 1; judge <= 2; ++judge) {
                    judges.append({judge, c, QString::fromLatin1(division)});
                    for (int place = 1; place <= 10; ++place)
                        placings.append({c, place, QString::fromLatin1(division), 1 + (c * 37 + place * 101 + judge * 13) % rider,
                                         11 - place, judge});
                }
        Sql::execEach(db, QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, '1')"), teams);
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, ?, ?)"),
                      riders);
        Sql::execEach(db, QStringLiteral("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (?, ?)"), entries);
        Sql::execEach(db, QStringLiteral("INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, ?)"),
                      judges);
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblPlacing (ClassNumber, Place, Division, RiderIndex, Points, JudgeID) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      placings);
        transaction.commit();
    }
};

ResultsBenchMeet& resultsMeet() {
    static ResultsBenchMeet meet;
    return meet;
}

void BM_ComputeStandings(benchmark::State& run) {
    const QSqlDatabase db = resultsMeet().state.db();
    for (auto _ : run) {
        const QList<StandingsRow> rows = Standings::Compute_Standings(TeamList::ofDivision(db, QStringLiteral("B")),
                                                                      ResultData::teamPlacings(db, QStringLiteral("B")));
        benchmark::DoNotOptimize(rows.size());
    }
}

// Baseline: the same sums as one bare aggregate statement.
void BM_BareStandingsAggregate(benchmark::State& run) {
    const QSqlDatabase db = resultsMeet().state.db();
    for (auto _ : run) {
        auto query = Sql::exec(db, QStringLiteral("SELECT TblPerson.TeamCode, TblPlacing.ClassNumber, sum(Points) "
                                                  "FROM TblPlacing INNER JOIN TblPerson ON TblPlacing.RiderIndex = "
                                                  "TblPerson.RiderIndex WHERE TblPlacing.Division = 'B' "
                                                  "GROUP BY TblPerson.TeamCode, TblPlacing.ClassNumber"));
        int rows = 0;
        while (query.next())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
}

void BM_OpenPlacingsWindow(benchmark::State& run) {
    for (auto _ : run) {
        FrmPlaceAssign window(resultsMeet().state);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        benchmark::DoNotOptimize(window.InitializeForm(QStringLiteral("A"), 5));
    }
}

// The individual results of the whole meet (200 teams, 5,000 riders) laid out and written
// as PDF, beside the same text drawn bare.
void BM_RiderResultsToPdf(benchmark::State& run) {
    int pages = 0;
    for (auto _ : run) {
        const PreparedReport prepared = ResultsReports::prepareRiderResults(resultsMeet().state, PrintRequest{});
        const BenchPdf pdf = writeBenchPdf(*prepared.report);
        pages = pdf.pages;
    }
    run.counters["pages"] = pages;
}

void BM_BareRiderResultsPdf(benchmark::State& run) {
    const PreparedReport prepared = ResultsReports::prepareRiderResults(resultsMeet().state, PrintRequest{});
    const BarePdf bare(ReportLayout::layout(*prepared.report));
    for (auto _ : run)
        benchmark::DoNotOptimize(bare.write());
    run.counters["pages"] = bare.pageCount();
}

// The meet's web pages (four division pages of 50 teams and 1,250 riders each, and the
// index) prepared and written whole, beside writing the same texts with bare file writes.
void BM_PublishResults(benchmark::State& run) {
    QTemporaryDir site;
    qint64 bytes = 0;
    for (auto _ : run) {
        const ResultsPublishing::Outcome outcome = ResultsPublishing::publish(resultsMeet().state, site.path());
        if (outcome.refusal)
            run.SkipWithError(qPrintable(outcome.refusal.why()));
        bytes = 0;
        for (const QString& path : outcome.written)
            bytes += QFileInfo(path).size();
    }
    run.counters["bytes"] = static_cast<double>(bytes);
}

// The pages alone, made in memory: reading the meet and writing the HTML.
void BM_PreparePublishedPages(benchmark::State& run) {
    for (auto _ : run)
        benchmark::DoNotOptimize(ResultsPublishing::pages(resultsMeet().state).size());
}

void BM_BarePublishWrites(benchmark::State& run) {
    QTemporaryDir site;
    QList<QByteArray> texts;
    QStringList paths;
    for (const ResultsPublishing::Page& page : ResultsPublishing::pages(resultsMeet().state)) {
        texts << page.html.toUtf8();
        paths << QDir(site.path()).filePath(page.fileName);
    }
    for (auto _ : run)
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QFile file(paths[i]);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            benchmark::DoNotOptimize(file.write(texts[i]));
        }
}

} // namespace

BENCHMARK(BM_PublishResults)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PreparePublishedPages)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BarePublishWrites)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RiderResultsToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BareRiderResultsPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ComputeStandings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareStandingsAggregate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlacingsWindow)->Unit(benchmark::kMillisecond);
