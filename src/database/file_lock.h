#pragma once

#include <QLockFile>
#include <QRegularExpression>
#include <QString>

// A lock between runs of the program, kept as a file (QLockFile). A lock left by a run that
// is gone is cleared by the next run that asks for it, and so is an empty lock file, which a
// run killed while it took the lock leaves behind: neither blocks anyone.
class FileLock {
public:
    // `staleAfterMs`: a lock held this long counts as left behind as well; 0 for a lock that
    // is held for as long as a run goes on.
    explicit FileLock(const QString& path, int staleAfterMs = 0);

    // Takes the lock, waiting up to `waitMs` for the run that holds it to let go.
    bool take(int waitMs);
    bool held() const { return m_lock.isLocked(); }
    // After take() failed: whether another run holds the lock (else its file could not be made).
    bool heldElsewhere() const;
    // Who holds the lock, as far as its file tells: "process 1234 on host pc-7"; empty when unknown.
    QString holder() const;

    // Removes the files of `folder` whose names match `names` when the lock at `lockPath`
    // is free (an empty `lockPath`: this run holds it). The runs that make such files hold
    // that lock while the files exist, so one found while it is free was left by a run that
    // was killed.
    static void removeAbandoned(const QString& lockPath, const QString& folder, const QRegularExpression& names);

private:
    void clearIfEmptyAndAbandoned();

    QString m_path;
    QLockFile m_lock;
};
