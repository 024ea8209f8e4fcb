#include "bench_meet.h"
#include "first_paint.h"
#include "entries/frm_class_assignments.h"
#include "database/sql.h"
#include "ui/check_box_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

// A meet with one team of `riders` riders, a few of them entered, on a 12000 by 9000 screen.
struct GridMeet : BenchMeet {
    explicit GridMeet(int riders, BenchEngine engine = BenchEngine::File) : BenchMeet(QStringLiteral("C"), engine) {
        Sql::exec(state.db(), QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Hawks', 'B', '1')"));
        QList<QVariantList> rows;
        for (int i = 0; i < riders; ++i)
            rows.append({QStringLiteral("First%1").arg(i), QStringLiteral("Last%1").arg(i), QString::number(i % 1000)});
        Sql::execEach(state.db(),
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, 1, ?)"),
                      rows);
        Sql::exec(state.db(), QStringLiteral("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (1, 1), (5, 2), (17, 3)"));
    }
};

void BM_OpenEntryGrid(benchmark::State& run, BenchEngine engine) {
    GridMeet meet(static_cast<int>(run.range(0)), engine);
    for (auto _ : run) {
        frmClassAssignments grid(meet.state);
        grid.setAttribute(Qt::WA_DeleteOnClose, false);
        benchmark::DoNotOptimize(grid.InitializeForm(1));
    }
}

// Baseline: the same number of bare check boxes and combo boxes, made and placed.
void BM_BareGridControls(benchmark::State& run) {
    const int riders = static_cast<int>(run.range(0));
    for (auto _ : run) {
        QWidget window;
        for (int r = 0; r < riders; ++r) {
            for (int c = 0; c < CheckBoxGrid::Classes; ++c)
                (new QCheckBox(&window))->setGeometry(184 + 40 * c, 145 + 40 * r, 25, 25);
            (new QComboBox(&window))->setGeometry(864, 145 + 40 * r, 49, 25);
        }
        benchmark::DoNotOptimize(window.children().size());
    }
}

// The grid of a team of `riders` riders, from the call that shows it to its first paint.
void BM_ShowEntryGrid(benchmark::State& run) {
    GridMeet meet(static_cast<int>(run.range(0)));
    timeUntilPainted(run, [&] {
        auto grid = std::make_unique<frmClassAssignments>(meet.state);
        grid->InitializeForm(1);
        return grid;
    });
}

void BM_ScrollEntryGridOneStep(benchmark::State& run) {
    GridMeet meet(static_cast<int>(run.range(0)));
    frmClassAssignments grid(meet.state);
    grid.setAttribute(Qt::WA_DeleteOnClose, false);
    grid.InitializeForm(1);
    grid.show();
    QScrollBar* rows = grid.grid().verticalBar();
    QScrollBar* columns = grid.grid().horizontalBar();
    int step = 0;
    for (auto _ : run) {
        // Alternates a row step and a column step, back and forth.
        ++step;
        if (step % 2)
            rows->setValue(rows->value() == 0 ? 1 : 0);
        else
            columns->setValue(columns->value() == 0 ? 1 : 0);
    }
}

} // namespace

const bool entryGridOnBothEngines = onBothEngines("BM_OpenEntryGrid", BM_OpenEntryGrid, [](auto* b) {
    b->Arg(30)->Arg(150)->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_BareGridControls)->Arg(30)->Arg(150)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntryGrid)->Arg(150)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollEntryGridOneStep)->Arg(30)->Arg(150)->Unit(benchmark::kMillisecond);
