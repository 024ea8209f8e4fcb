#include "bare_pdf.h"
#include "bench_meet.h"
#include "first_paint.h"
#include "database/sql.h"
#include "judging/frm_judge_assignments.h"
#include "judging/judging_reports.h"
#include "report_engine/report_layout.h"
#include "reports/print_registry.h"
#include "ui/check_box_grid.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

// A meet with `judges` judges, two of them on each of the 17 classes of division B, on a
// 12000 by 9000 screen.
struct JudgingBenchMeet : BenchMeet {
    explicit JudgingBenchMeet(int judges) {
        QList<QVariantList> rows;
        for (int i = 0; i < judges; ++i)
            rows.append({QStringLiteral("First%1").arg(i), QStringLiteral("Last%1").arg(i)});
        Sql::execEach(state.db(), QStringLiteral("INSERT INTO TblJudge (FirstName, LastName) VALUES (?, ?)"), rows);
        QList<QVariantList> assignments;
        for (int c = 1; c <= CheckBoxGrid::Classes; ++c)
            for (int j = 0; j < 2; ++j)
                assignments.append({1 + (2 * c + j) % judges, c});
        Sql::execEach(state.db(),
                      QStringLiteral("INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, 'B')"),
                      assignments);
    }
};

// Opening the grid for division B (a row per judge, 17 boxes a row) and one row scrolled.
void BM_OpenJudgeGridAndScroll(benchmark::State& run) {
    JudgingBenchMeet meet(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        FrmJudgeAssignments grid(meet.state);
        grid.setAttribute(Qt::WA_DeleteOnClose, false);
        benchmark::DoNotOptimize(grid.InitializeForm(QStringLiteral("B")));
        grid.grid().verticalBar()->setValue(1);
    }
}

// The grid of division B, from the call that shows it to its first paint.
void BM_ShowJudgeGrid(benchmark::State& run) {
    JudgingBenchMeet meet(static_cast<int>(run.range(0)));
    timeUntilPainted(run, [&] {
        auto grid = std::make_unique<FrmJudgeAssignments>(meet.state);
        grid->InitializeForm(QStringLiteral("B"));
        return grid;
    });
}

// Baseline: the same number of bare check boxes and row captions, made and placed.
void BM_Baseline_BareJudgeGridControls(benchmark::State& run) {
    const int judges = static_cast<int>(run.range(0));
    for (auto _ : run) {
        QWidget window;
        for (int r = 0; r < judges; ++r) {
            (new QLabel(QStringLiteral("First, Last"), &window))->setGeometry(24, 125 + 40 * r, 145, 25);
            for (int c = 0; c < CheckBoxGrid::Classes; ++c)
                (new QCheckBox(&window))->setGeometry(184 + 40 * c, 125 + 40 * r, 25, 25);
        }
        benchmark::DoNotOptimize(window.children().size());
    }
}

// The division's 34 cards read, laid out and written as PDF.
void BM_JudgesCardsPdf(benchmark::State& run) {
    JudgingBenchMeet meet(40);
    PrintRequest request;
    request.division = QStringLiteral("B");
    int pages = 0;
    for (auto _ : run) {
        const PreparedReport prepared = JudgingReports::prepareCards(meet.state, request);
        const BenchPdf pdf = writeBenchPdf(*prepared.report);
        pages = pdf.pages;
    }
    run.counters["pages"] = pages;
}

// Baseline: the same texts and boxes at the same places, drawn with a bare QPainter on a
// QPdfWriter, with nothing read, laid out or looked up.
void BM_Baseline_CardsBarePdf(benchmark::State& run) {
    JudgingBenchMeet meet(40);
    PrintRequest request;
    request.division = QStringLiteral("B");
    const BarePdf bare(ReportLayout::layout(*JudgingReports::prepareCards(meet.state, request).report));
    for (auto _ : run)
        benchmark::DoNotOptimize(bare.write());
    run.counters["pages"] = bare.pageCount();
}

} // namespace

BENCHMARK(BM_OpenJudgeGridAndScroll)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowJudgeGrid)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_BareJudgeGridControls)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JudgesCardsPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_CardsBarePdf)->Unit(benchmark::kMillisecond);
