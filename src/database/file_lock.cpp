#include "database/file_lock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace {
// A run writes its lock file's contents right after creating it, so an empty one this old
// was left by a run that did not live to do so.
constexpr qint64 EmptyLockAbandonedAfterMs = 1000;
// How often a waiting take() looks again for an abandoned empty lock file.
constexpr qint64 LockRetryMs = 500;
} // namespace

FileLock::FileLock(const QString& path, int staleAfterMs) : m_path(path), m_lock(path) {
    m_lock.setStaleLockTime(staleAfterMs);
}

void FileLock::clearIfEmptyAndAbandoned() {
    const QFileInfo file(m_path);
    if (!file.exists() || m_lock.getLockInfo(nullptr, nullptr, nullptr))
        return;
    if (file.lastModified().msecsTo(QDateTime::currentDateTime()) > EmptyLockAbandonedAfterMs)
        m_lock.removeStaleLockFile(); // fails while a living run has the file open and locked
}

bool FileLock::take(int waitMs) {
    const QDeadlineTimer deadline(std::max(waitMs, 0));
    for (;;) {
        clearIfEmptyAndAbandoned();
        if (m_lock.tryLock(static_cast<int>(std::min(deadline.remainingTime(), LockRetryMs))))
            return true;
        if (!heldElsewhere() || deadline.hasExpired())
            return false;
    }
}

bool FileLock::heldElsewhere() const {
    return m_lock.error() == QLockFile::LockFailedError;
}

QString FileLock::holder() const {
    qint64 pid = 0;
    QString host;
    if (!m_lock.getLockInfo(&pid, &host, nullptr))
        return {};
    return host.isEmpty() ? QStringLiteral("process %1").arg(pid)
                          : QStringLiteral("process %1 on host %2").arg(pid).arg(host);
}

void FileLock::removeAbandoned(const QString& lockPath, const QString& folder, const QRegularExpression& names) {
    const QDir dir(folder);
    auto leftovers = [&] {
        QStringList found;
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (names.match(name).hasMatch())
                found << dir.filePath(name);
        return found;
    };
    if (leftovers().isEmpty())
        return; // the usual case: no lock file is made just to look
    std::optional<FileLock> lock;
    if (!lockPath.isEmpty() && !lock.emplace(lockPath).take(0))
        return;
    for (const QString& file : leftovers()) // listed again under the lock
        QFile::remove(file);
}
