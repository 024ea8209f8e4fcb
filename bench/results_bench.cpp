#include "bench_meet.h"
#include "first_paint.h"
#include "judging/frm_judge_mgmt.h"
#include "registration/frm_coach_mgmt.h"
#include "registration/frm_rider_mgmt.h"
#include "registration/frm_team_mgmt.h"
#include "reports/frm_report_preview.h"
#include "bare_pdf.h"
#include "database/sql.h"
#include "reports/print_registry.h"
#include "results/results_reports.h"
#include "database/transaction_guard.h"
#include "results/frm_place_assign.h"
#include "results/result_data.h"
#include "results/results_publishing.h"
#include "results/standings.h"
#include "ui/keyed_entries.h"

#include <QComboBox>
#include <QDir>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Ten times a realistic meet: 200 teams (50 a division) of 25 riders and two coaches; each
// rider entered in three classes; 100 judges; every class of every division placed ten deep
// by its first two judges; class 5 of division A has 200 entries.
struct ResultsBenchMeet : BenchMeet {
    explicit ResultsBenchMeet(BenchEngine engine) : BenchMeet(QStringLiteral("C"), engine) {
        const QSqlDatabase db = state.db();
        TransactionGuard transaction(db);
        Sql::exec(db, QStringLiteral("INSERT INTO TblJudge (FirstName, LastName) VALUES ('Sam', 'Adams'), ('Mary', 'Ellis')"));
        QList<QVariantList> teams, coaches, riders, entries, placings, judges, moreJudges;
        for (int j = 3; j <= 100; ++j)
            moreJudges.append({QStringLiteral("Judge%1").arg(j), QStringLiteral("Smith")});
        int rider = 0;
        for (int t = 0; t < 200; ++t) {
            const QString division(QChar(u'A' + t % 4));
            teams.append({QStringLiteral("Team %1").arg(t), division});
            for (int c = 0; c < 2; ++c)
                coaches.append({QStringLiteral("Coach%1").arg(c), QStringLiteral("Of team %1").arg(t), t + 1});
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
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) "
                                     "VALUES (?, ?, 'Head Coach', ?)"),
                      coaches);
        Sql::execEach(db, QStringLiteral("INSERT INTO TblJudge (FirstName, LastName) VALUES (?, ?)"), moreJudges);
        Sql::execEach(db, QStringLiteral("INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, ?)"),
                      judges);
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblPlacing (ClassNumber, Place, Division, RiderIndex, Points, JudgeID) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      placings);
        transaction.commit();
    }
};

// One meet for each engine, filled the same way.
ResultsBenchMeet& resultsMeet(BenchEngine engine = BenchEngine::File) {
    if (engine == BenchEngine::Server) {
        static ResultsBenchMeet onServer(BenchEngine::Server);
        return onServer;
    }
    static ResultsBenchMeet inFile(BenchEngine::File);
    return inFile;
}

void BM_ComputeStandings(benchmark::State& run, BenchEngine engine) {
    const QSqlDatabase db = resultsMeet(engine).state.db();
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

// Fair baseline: what the standings show, bare. The division's teams with their names, and each
// team's places and points in each class; the bare aggregate above lists no places and no names.
void BM_Baseline_StandingsWithPlacesBare(benchmark::State& run) {
    const QSqlDatabase db = resultsMeet().state.db();
    for (auto _ : run) {
        int rows = 0;
        auto teams = Sql::exec(db, QStringLiteral("SELECT TeamCode, TeamName, Division FROM TblTeam WHERE Division = 'B'"));
        while (teams.next())
            rows += teams.value(1).toString().size() > 0;
        auto query = Sql::exec(db, QStringLiteral("SELECT TblPerson.TeamCode, TblPlacing.ClassNumber, "
                                                  "group_concat(TblPlacing.Place), sum(Points) "
                                                  "FROM TblPlacing INNER JOIN TblPerson ON TblPlacing.RiderIndex = "
                                                  "TblPerson.RiderIndex WHERE TblPlacing.Division = 'B' "
                                                  "GROUP BY TblPerson.TeamCode, TblPlacing.ClassNumber"));
        while (query.next())
            rows += query.value(2).toString().size() > 0;
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

// The secretary's Submit in Class Placings (class 5 of division A, 200 entrants): twenty
// places chosen, the save question answered, the class's placings replaced. Every other save
// moves each place one entrant down the list, so each one changes all twenty rows. The window
// is opened again, untimed, before each save: a window saves once, over what it read.
void BM_SavePlacings(benchmark::State& run, BenchEngine engine) {
    ResultsBenchMeet& meet = resultsMeet(engine);
    int shift = 0;
    for (auto _ : run) {
        run.PauseTiming();
        FrmPlaceAssign window(meet.state);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.InitializeForm(QStringLiteral("A"), 5);
        shift = 1 - shift;
        for (int column = 1; column <= 2; ++column) {
            QSet<qint64> placed; // a rider entered twice is listed twice, but places once
            int index = shift;
            for (int place = 1; place <= FrmPlaceAssign::Places; ++place) {
                QComboBox* list = window.placeList(column, place);
                do
                    ++index;
                while (placed.contains(KeyedEntries::keyAt(list, index)));
                placed.insert(KeyedEntries::keyAt(list, index));
                list->setCurrentIndex(index);
            }
        }
        meet.messages.last.clear();
        run.ResumeTiming();
        window.CmdSubmit_Click();
        if (!meet.messages.last.isEmpty()) {
            run.SkipWithError(qPrintable(meet.messages.last));
            break;
        }
    }
}

// Windows timed from the call that shows them to their first paint, against one frame.
void BM_ShowPlacingsWindow(benchmark::State& run) {
    timeUntilPainted(run, [] {
        auto window = std::make_unique<FrmPlaceAssign>(resultsMeet().state);
        window->InitializeForm(QStringLiteral("A"), 5);
        return window;
    });
}

// A management window fills its list as it is shown.
template <class Window>
void BM_ShowManagementWindow(benchmark::State& run) {
    timeUntilPainted(run, [] { return std::make_unique<Window>(resultsMeet().state); });
}

// The preview of the whole meet's individual results (5,000 riders): read, laid out, shown.
void BM_ShowRiderResultsPreview(benchmark::State& run) {
    RunState& state = resultsMeet().state;
    timeUntilPainted(run, [&] {
        PreparedReport prepared = ResultsReports::prepareRiderResults(state, PrintRequest{});
        return std::make_unique<FrmReportPreview>(state, std::move(prepared.report));
    });
}

// Baseline: the rows of that preview read bare, the same three statements (the teams, every rider
// in back number order, every placing with its judge and class), each value read once.
void BM_Baseline_RiderResultsBareRead(benchmark::State& run) {
    const QSqlDatabase db = resultsMeet().state.db();
    const char* statements[] = {
        "SELECT TeamCode, TeamName, Division FROM TblTeam ORDER BY Division, TeamName, TeamCode",
        "SELECT RiderIndex, TeamCode, RiderNumber, FirstName, LastName FROM TblPerson "
        "ORDER BY RiderNumber NULLS FIRST, RiderIndex",
        "SELECT TblPlacing.RiderIndex, TblPlacing.ClassNumber, TblClass.ClassName, TblJudge.FirstName, "
        "TblJudge.LastName, TblPlacing.Place, TblPlacing.Points FROM TblPlacing "
        "INNER JOIN TblJudge ON TblPlacing.JudgeID = TblJudge.JudgeID "
        "INNER JOIN TblClass ON TblPlacing.ClassNumber = TblClass.ClassNumber "
        "ORDER BY TblPlacing.ClassNumber, TblPlacing.Place"};
    for (auto _ : run) {
        for (const char* statement : statements) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.exec(QLatin1String(statement));
            const int columns = query.record().count();
            while (query.next())
                for (int c = 0; c < columns; ++c)
                    benchmark::DoNotOptimize(query.value(c));
        }
    }
}

// The same preview with its rows read beforehand: from the call that shows it to its first
// paint, without the reading before it and the closing after it.
void BM_ShowPreparedRiderResultsPreview(benchmark::State& run) {
    RunState& state = resultsMeet().state;
    timeUntilPainted(run, [&] {
        run.PauseTiming();
        PreparedReport prepared = ResultsReports::prepareRiderResults(state, PrintRequest{});
        run.ResumeTiming();
        return std::make_unique<FrmReportPreview>(state, std::move(prepared.report));
    });
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
const bool standingsOnBothEngines =
    onBothEngines("BM_ComputeStandings", BM_ComputeStandings, [](auto* b) { b->Unit(benchmark::kMillisecond); });
const bool placingsSaveOnBothEngines =
    onBothEngines("BM_SavePlacings", BM_SavePlacings, [](auto* b) { b->Unit(benchmark::kMillisecond); });
BENCHMARK(BM_BareStandingsAggregate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_StandingsWithPlacesBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlacingsWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPlacingsWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ShowManagementWindow, FrmTeamMgmt)->Name("BM_ShowTeamList")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ShowManagementWindow, FrmRiderMgmt)->Name("BM_ShowRiderSearch")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ShowManagementWindow, FrmCoachMgmt)->Name("BM_ShowCoachList")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ShowManagementWindow, FrmJudgeMgmt)->Name("BM_ShowJudgeList")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowRiderResultsPreview)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPreparedRiderResultsPreview)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_RiderResultsBareRead)->Unit(benchmark::kMillisecond);
