#pragma once

#include "bench_engines.h"
#include "bench_facades.h"
#include "report_engine/report.h"
#include "ui/run_state.h"

#include <QTemporaryDir>

// A fresh meet database in a temporary program folder, open as the run's database, with
// the run state the windows read: a 12000 by 9000 twip screen, a region letter and quiet
// message and dialog facades. Each benchmark's meet adds its rows to it. On the server engine
// the meet is built in a new database of the bench server, the same way start-up builds one.
struct BenchMeet {
    BenchMessages messages;
    BenchFileDialogs dialogs;
    QTemporaryDir folder;
    RunState state{messages, dialogs};

    explicit BenchMeet(const QString& region = QStringLiteral("C"), BenchEngine engine = BenchEngine::File);
};

// What writing a report as PDF in memory gave.
struct BenchPdf {
    int pages = 0;
    qint64 bytes = 0;
};

// Lays the report out and writes it as PDF in memory, as printing does.
BenchPdf writeBenchPdf(const Report& report);
