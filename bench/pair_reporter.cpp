#include "pair_reporter.h"

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

struct Pair {
    const char* ours;
    const char* against; // a benchmark's name, or nullptr for one frame
    const char* what;
};

constexpr double FrameSeconds = 0.016;

// Ours first, then what it is measured against.
const std::vector<Pair>& pairs() {
    static const std::vector<Pair> all = {
        {"BM_RandomNumberingOfAllRiders", "BM_Baseline_NumberingBare", "numbering / bare update, check and re-read"},
        {"BM_RandomNumberingOfAllRiders", "BM_Baseline_BareUpdateInOneTransaction", "random numbering of 5,000 riders"},
        {"BM_BackupBeforeNumbering", "BM_RandomNumberingOfAllRiders", "backup before numbering / the numbering"},
        {"BM_RiderSearchFillsTheList", "BM_Baseline_BareSearchQuery", "rider search"},
        {"BM_CreateMeetDatabase", "BM_Baseline_CreateMeetBare", "new meet / tables and synced bitmaps"},
        {"BM_CreateMeetDatabase", "BM_Baseline_CreateTablesOnly", "new meet / tables only"},
        {"BM_OpenJudgeGridAndScroll/100", "BM_Baseline_BareJudgeGridControls/100", "judge grid of 100, one scroll"},
        {"BM_OpenEntryGrid/file/150", "BM_BareGridControls/150", "entry grid of 150 riders"},
        {"BM_ComputeStandings/file", "BM_Baseline_StandingsWithPlacesBare", "standings / names, places and sums bare"},
        {"BM_ComputeStandings/file", "BM_BareStandingsAggregate", "team standings of a division"},
        {"BM_SlotSheetsToPdf", "BM_Baseline_SlotSheetsBarePdf", "slot sheets to PDF"},
        {"BM_ImportDistrictFile/file", "BM_Baseline_ImportReadCheckAndInserts", "import / file read, checked, inserted"},
        {"BM_ImportDistrictFile/file", "BM_BareImportInserts", "import of a district file"},
        {"BM_ExportAllTeams", "BM_BareExportInserts", "export of all teams"},
        {"BM_BackupOfLargeMeet/file", "BM_Baseline_CheckedSyncedCopy", "backup / synced copy checked by the engine"},
        {"BM_BackupOfLargeMeet/file", "BM_Baseline_SyncedFileCopy", "backup of a large meet / synced copy"},
        {"BM_BackupOfLargeMeet/file", "BM_Baseline_FileCopy", "backup of a large meet / bare copy"},
        {"BM_ReportLayoutAndPdf", "BM_Baseline_ReportBarePdf", "100-page report to PDF"},
        {"BM_JudgesCardsPdf", "BM_Baseline_CardsBarePdf", "judges' cards to PDF"},
        {"BM_RiderResultsToPdf", "BM_BareRiderResultsPdf", "rider results to PDF"},
        {"BM_SavePlacings/server", "BM_SavePlacings/file", "placings save: server / file"},
        {"BM_ComputeStandings/server", "BM_ComputeStandings/file", "team standings: server / file"},
        {"BM_OpenEntryGrid/server/150", "BM_OpenEntryGrid/file/150", "entry grid opening: server / file"},
        {"BM_ImportDistrictFile/server", "BM_ImportDistrictFile/file", "import: server / file"},
        {"BM_BackupOfLargeMeet/server", "BM_BackupOfLargeMeet/file", "backup of a large meet: server / file"},
        {"BM_ShowPlacingsWindow", nullptr, "placings window to first paint / frame"},
        {"BM_ShowEntryGrid/150", nullptr, "entry grid of 150 to first paint / frame"},
        {"BM_ShowJudgeGrid/100", nullptr, "judge grid of 100 to first paint / frame"},
        {"BM_ShowTeamList", nullptr, "team list to first paint / frame"},
        {"BM_ShowRiderSearch", nullptr, "rider window to first paint / frame"},
        {"BM_ShowCoachList", nullptr, "coach list to first paint / frame"},
        {"BM_ShowJudgeList", nullptr, "judge list to first paint / frame"},
        {"BM_ShowRiderResultsPreview", nullptr, "preview of rider results, first page / frame"},
        {"BM_ShowRiderResultsPreview", "BM_Baseline_RiderResultsBareRead", "rider results preview / its rows read bare"},
        {"BM_ShowPreparedRiderResultsPreview", nullptr, "same, rows read before / frame"},
    };
    return all;
}

std::string nameOf(const benchmark::BenchmarkReporter::Run& run) {
    const std::string& args = run.run_name.args;
    return run.run_name.function_name + (args.empty() ? "" : "/" + args);
}

} // namespace

// Colours only on a terminal, as the library's own console report does.
PairReporter::PairReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

void PairReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate;
        if (median && run.aggregate_name != "median")
            continue;
        Times& times = m_times[nameOf(run)];
        if (times.median && !median)
            continue;
        const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
        times = {run.GetAdjustedRealTime() / perSecond, run.GetAdjustedCPUTime() / perSecond, median};
    }
}

void PairReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fprintf(out, "\n%-48s %10s %10s %8s %8s\n", "pair", "ours ms", "against ms", "wall", "cpu");
    for (const Pair& pair : pairs()) {
        const auto ours = m_times.find(pair.ours);
        if (ours == m_times.end())
            continue;
        Times against{FrameSeconds, FrameSeconds, false};
        if (pair.against) {
            const auto found = m_times.find(pair.against);
            if (found == m_times.end())
                continue;
            against = found->second;
        }
        std::fprintf(out, "%-48s %10.2f %10.2f %7.2fx %7.2fx\n", pair.what, ours->second.wallSeconds * 1e3,
                     against.wallSeconds * 1e3, ours->second.wallSeconds / against.wallSeconds,
                     ours->second.cpuSeconds / against.cpuSeconds);
    }
    std::fflush(out);
}
