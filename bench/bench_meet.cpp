#include "bench_meet.h"

#include "report_engine/report_layout.h"
#include "report_engine/report_painter.h"
#include "reports/report_data_source.h"
#include "ui/meet_creation.h"

#include <QBuffer>

BenchMeet::BenchMeet(const QString& region, BenchEngine engine) {
    state.ScreenWidth = 12000;
    state.ScreenHeight = 9000;
    state.CurrentRegion = region;
    state.ProgramFolder = folder.path();
    if (engine == BenchEngine::Server)
        state.MeetServer = newBenchServerDatabase();
    MeetCreation::build(folder.path(), state.meetLocation());
    state.MeetDb.open(state.meetLocation());
    ReportDataSource::of(state).setDatabasePath(state.meetLocation().text());
}

BenchPdf writeBenchPdf(const Report& report) {
    const LaidOutReport laid = ReportLayout::layout(report);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportPainter::writePdf(laid, buffer);
    return {laid.pageCount(), buffer.size()};
}
