#include "bare_pdf.h"
#include "bench_meet.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "report_engine/report_layout.h"
#include "reports/sheet_reports.h"

#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

// The slot sheets of a division of 50 teams with 25 riders each: 50 landscape pages, each
// with the 18 label images as column heads and a row of boxes per rider.
namespace {

constexpr int SheetBenchTeams = 50;
constexpr int SheetBenchRidersPerTeam = 25;

struct SheetBenchMeet : BenchMeet {
    SheetBenchMeet() {
        const QSqlDatabase db = state.db();
        TransactionGuard transaction(db);
        QList<QVariantList> riders;
        for (int t = 1; t <= SheetBenchTeams; ++t) {
            Sql::exec(db, QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, 'B', '1')"),
                      {QStringLiteral("Riding Club of the Valley %1").arg(t)});
            for (int r = 0; r < SheetBenchRidersPerTeam; ++r)
                riders.append({QStringLiteral("Firstname%1").arg(r), QStringLiteral("Lastname-of-rider%1").arg(t), t,
                               QString::number(100 + (t * SheetBenchRidersPerTeam + r) % 900)});
        }
        Sql::execEach(db,
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) "
                                     "VALUES (?, ?, ?, ?)"),
                      riders);
        transaction.commit();
    }
    ~SheetBenchMeet() { state.MeetDb.close(); }
};

SheetBenchMeet& sheetBenchMeet() {
    static SheetBenchMeet meet;
    return meet;
}

} // namespace

// What `print slot-sheets --division B` does: read the riders, lay out the pages, write the PDF.
static void BM_SlotSheetsToPdf(benchmark::State& state) {
    RunState& run = sheetBenchMeet().state;
    int pages = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const PreparedReport prepared = SheetReports::prepareSlotSheets(run, QStringLiteral("B"));
        const BenchPdf pdf = writeBenchPdf(*prepared.report);
        pages = pdf.pages;
        bytes = pdf.bytes;
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SlotSheetsToPdf)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Baseline: the same texts, images and boxes at the same places, drawn with a bare
// QPainter on a QPdfWriter; nothing read, laid out, fitted or looked up.
static void BM_Baseline_SlotSheetsBarePdf(benchmark::State& state) {
    const PreparedReport prepared = SheetReports::prepareSlotSheets(sheetBenchMeet().state, QStringLiteral("B"));
    const BarePdf bare(ReportLayout::layout(*prepared.report));
    for (auto _ : state)
        benchmark::DoNotOptimize(bare.write());
    state.counters["pages"] = bare.pageCount();
}
BENCHMARK(BM_Baseline_SlotSheetsBarePdf)->Unit(benchmark::kMillisecond)->MinTime(3.0);
