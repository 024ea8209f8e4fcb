#include "database/engine_work_limit.h"

#include "database/engine_handle.h"
#include "database/sql.h"

#include <sqlite3.h>

namespace {
constexpr int LongestValue = 1 << 20;
constexpr int StepsBetweenChecks = 1000;
} // namespace

EngineWorkLimit::EngineWorkLimit(const QSqlDatabase& db, int seconds, int megabytes)
    : m_engine(engineHandle(db)), m_seconds(seconds), m_megabytes(megabytes),
      m_memoryCeiling(sqlite3_memory_used() + qint64(megabytes) * 1024 * 1024) {
    Sql::exec(db, QStringLiteral("PRAGMA temp_store = MEMORY"));
    m_oldLengthLimit = sqlite3_limit(m_engine, SQLITE_LIMIT_LENGTH, LongestValue);
    m_clock.start();
    sqlite3_progress_handler(m_engine, StepsBetweenChecks, &EngineWorkLimit::onProgress, this);
}

EngineWorkLimit::~EngineWorkLimit() {
    sqlite3_progress_handler(m_engine, 0, nullptr, nullptr);
    sqlite3_limit(m_engine, SQLITE_LIMIT_LENGTH, m_oldLengthLimit);
}

// A non-zero answer makes the engine stop the running statement.
int EngineWorkLimit::onProgress(void* limit) {
    auto* self = static_cast<EngineWorkLimit*>(limit);
    if (self->m_clock.hasExpired(qint64(self->m_seconds) * 1000))
        self->m_exceeded = QStringLiteral("reading it took more than %1 seconds").arg(self->m_seconds);
    else if (sqlite3_memory_used() > self->m_memoryCeiling)
        self->m_exceeded = QStringLiteral("reading it needed more than %1 MB of memory").arg(self->m_megabytes);
    return self->m_exceeded.isEmpty() ? 0 : 1;
}
