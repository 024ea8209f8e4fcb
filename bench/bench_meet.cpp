#include "bench_meet.h"

#include "report_engine/report_layout.h"
#include "report_engine/report_painter.h"
#include "ui/meet_creation.h"

#include <QBuffer>

BenchMeet::BenchMeet(const QString& region) {
    state.ScreenWidth = 12000;
    state.ScreenHeight = 9000;
    state.CurrentRegion = region;
    state.ProgramFolder = folder.path();
    MeetCreation::build(folder.path(), state.meetDatabasePath());
    state.MeetDb.open(state.meetDatabasePath());
}

BenchPdf writeBenchPdf(const Report& report) {
    const LaidOutReport laid = ReportLayout::layout(report);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportPainter::writePdf(laid, buffer);
    return {laid.pageCount(), buffer.size()};
}
