#include "bare_pdf.h"
#include "bench_meet.h"
#include "report_engine/report.h"
#include "report_engine/report_builder.h"
#include "report_engine/report_layout.h"
#include "report_engine/row_shaping.h"

#include <benchmark/benchmark.h>

// A 100-page rider list: riders grouped by division and team, five fields per line,
// team sums, page headers and "Page n of N" footers.
namespace {

constexpr int ReportTeams = 167;
constexpr int RidersPerTeam = 26;

Report benchReport() {
    using Kind = ReportSection::Kind;
    RowSet riders(QStringLiteral("Riders"), {"Division", "TeamName", "RiderNumber", "Rider", "City", "Points"});
    int number = 1;
    for (int t = 0; t < ReportTeams; ++t)
        for (int r = 0; r < RidersPerTeam; ++r, ++number)
            riders.append({QString(QChar(u'A' + t % 4)), QStringLiteral("Team number %1").arg(t), QString::number(number),
                           QStringLiteral("Rider %1 Lastname").arg(number), QStringLiteral("Springfield"), double(r % 11)});
    Report report(QStringLiteral("RptBench"));
    report.setDesignWidth(10800);
    SectionBuilder(report.addSection("PageHeader", Kind::PageHeader, 600))
        .label("LblTitle", "Complete Rider's List", {0, 0, 10800, 400}, ReportFont::bolded(14), Qt::AlignCenter);
    SectionBuilder(report.addSection("Team_Header", Kind::GroupHeader, 360, 0))
        .field("txtDivision", "Division", {0, 40, 600, 300}, ReportFont::bolded(11))
        .field("txtTeamName", "TeamName", {700, 40, 6000, 300}, ReportFont::bolded(11));
    SectionBuilder(report.addSection("Detail", Kind::Detail, 280))
        .field("txtRiderNumber", "RiderNumber", {300, 0, 900, 260})
        .field("txtRider", "Rider", {1300, 0, 4000, 260})
        .field("txtCity", "City", {5400, 0, 2500, 260})
        .field("txtPoints", "Points", {9000, 0, 1000, 260}, ReportFont::plain(), Qt::AlignRight | Qt::AlignVCenter);
    SectionBuilder(report.addSection("Team_Footer", Kind::GroupFooter, 300, 0))
        .sum("txtTeamPoints", "Points", {9000, 0, 1000, 280});
    SectionBuilder(report.addSection("PageFooter", Kind::PageFooter, 400)).pageNumbers(10800);
    report.setDataSource(RowShaping::group(riders, {"Division", "TeamName"}, "Teams"));
    return report;
}

} // namespace

static void BM_ReportLayoutAndPdf(benchmark::State& state) {
    const Report report = benchReport();
    qint64 bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        const BenchPdf pdf = writeBenchPdf(report);
        bytes = pdf.bytes;
        pages = pdf.pages;
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportLayoutAndPdf)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Baseline: the same text lines at the same places, drawn with a bare QPainter on a
// QPdfWriter, with nothing laid out, looked up, summed or fitted.
static void BM_Baseline_ReportBarePdf(benchmark::State& state) {
    const BarePdf bare(ReportLayout::layout(benchReport()));
    for (auto _ : state)
        benchmark::DoNotOptimize(bare.write());
    state.counters["pages"] = bare.pageCount();
}
BENCHMARK(BM_Baseline_ReportBarePdf)->Unit(benchmark::kMillisecond)->MinTime(3.0);
