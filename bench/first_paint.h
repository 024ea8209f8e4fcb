#pragma once

#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

// Shows `window` (already made and filled, or filled by its own show) and processes events
// until it has painted for the first time: what the secretary waits for after a click.
// Answers false when no paint came within a second.
bool showUntilPainted(QWidget& window);


// Times each run from the making of a window (by `makeWindow`, which also fills it as its
// opening does) to its first paint: what the secretary waits for. Closing it is not timed.
template <typename MakeWindow> void timeUntilPainted(benchmark::State& run, MakeWindow makeWindow) {
    for (auto _ : run) {
        std::unique_ptr<QWidget> window = makeWindow();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!showUntilPainted(*window))
            run.SkipWithError("no paint");
        run.PauseTiming();
        window.reset();
        run.ResumeTiming();
    }
}
