#pragma once

#include <QString>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>

// The two places a meet can live. A benchmark run on both is registered as `name/file` and
// `name/server`; the server half runs when CORRAVIN_BENCH_SERVER names a PostgreSQL server
// (a libpq URI of a database the run may create databases from, as bench/run_bench.sh sets).
enum class BenchEngine { File, Server };

// The URI CORRAVIN_BENCH_SERVER names, empty when none.
QString benchServer();

// A new, empty database on the bench server; answers its URI. The databases live as long as
// the server, which the run throws away.
QString newBenchServerDatabase();

using EngineBenchmark = void (*)(benchmark::State&, BenchEngine);

// Registers `body` as `name/file` and, when a bench server is named, as `name/server`, each
// set up (unit, arguments, time) by `setup`. Answers true, for a static initializer.
bool onBothEngines(const std::string& name, EngineBenchmark body,
                   const std::function<void(benchmark::internal::Benchmark*)>& setup);
