#include "bench_engines.h"

#include "database/db_connection.h"
#include "database/meet_location.h"
#include "database/sql.h"

#include <QCoreApplication>

QString benchServer() {
    return qEnvironmentVariable("CORRAVIN_BENCH_SERVER");
}

QString newBenchServerDatabase() {
    // Kept open for the whole run; never destroyed, as Qt's connections may be gone at exit.
    static DbConnection* administration = [] {
        auto* connection = new DbConnection;
        connection->open(benchServer());
        return connection;
    }();
    static int count = 0;
    // The name is made here from the process id and a count, never from input.
    const QString name = QStringLiteral("bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(++count);
    Sql::execDirect(administration->db(), QStringLiteral("CREATE DATABASE %1 TEMPLATE template0").arg(name));
    const QString uri = benchServer();
    return uri + (uri.contains(u'?') ? u'&' : u'?') + QStringLiteral("dbname=") + name;
}

bool onBothEngines(const std::string& name, EngineBenchmark body,
                   const std::function<void(benchmark::internal::Benchmark*)>& setup) {
    setup(benchmark::RegisterBenchmark((name + "/file").c_str(),
                                       [body](benchmark::State& run) { body(run, BenchEngine::File); }));
    if (!benchServer().isEmpty())
        setup(benchmark::RegisterBenchmark((name + "/server").c_str(),
                                           [body](benchmark::State& run) { body(run, BenchEngine::Server); }));
    return true;
}
