#include "database/checked_file_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <atomic>
#include <cerrno>
#include <filesystem>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace CheckedFileWriter {

namespace {
// Files are written a part at a time, so a failing disk is noticed at the part it fails.
constexpr qint64 PartBytes = 64 * 1024;

std::atomic<qint64> simulatedSpace{-1};
std::atomic<int> stepsBeforeFailure{-1};

// How many of `wanted` bytes the (possibly simulated) disk still takes.
qint64 room(qint64 wanted) {
    qint64 left = simulatedSpace.load();
    if (left < 0)
        return wanted;
    const qint64 taken = std::min(left, wanted);
    simulatedSpace -= taken;
    return taken;
}

// True when the disk operation about to run is the one a test has the disk fail.
bool simulatedFailure() {
    const int left = stepsBeforeFailure.load();
    if (left < 0)
        return false;
    stepsBeforeFailure = left - 1;
    return left == 0;
}

QString simulatedFailureText() {
    return QStringLiteral("Input/output error");
}

// Has the system put the file's bytes on the disk itself; a write the disk refused only now
// shows here.
QString syncToDisk(QFile& file) {
    if (simulatedFailure())
        return simulatedFailureText();
#ifdef Q_OS_WIN
    const int result = ::_commit(file.handle());
#else
    int result = 0;
    do
        result = ::fsync(file.handle());
    while (result != 0 && errno == EINTR);
#endif
    return result == 0 ? QString() : qt_error_string(errno);
}

QString writePart(QFile& file, const char* data, qint64 size) {
    if (simulatedFailure())
        return simulatedFailureText();
    const qint64 allowed = room(size);
    const qint64 written = file.write(data, allowed);
    if (written == size)
        return {};
    if (written == allowed && file.error() == QFileDevice::NoError)
        return QStringLiteral("No space left on device");
    return file.errorString();
}

// Writes every byte to the open temporary file, flushes, syncs and closes it, checking each step.
QString fill(QFile& file, const QByteArray& bytes) {
    for (qint64 at = 0; at < bytes.size(); at += PartBytes)
        if (QString error = writePart(file, bytes.constData() + at, std::min(PartBytes, bytes.size() - at));
            !error.isEmpty())
            return error;
    if (simulatedFailure())
        return simulatedFailureText();
    if (!file.flush())
        return file.errorString();
    if (QString error = syncToDisk(file); !error.isEmpty())
        return error;
    if (simulatedFailure())
        return simulatedFailureText();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (const qint64 size = QFileInfo(file.fileName()).size(); size != bytes.size())
        return QStringLiteral("the file on the disk is %1 bytes instead of %2").arg(size).arg(bytes.size());
    return {};
}
} // namespace

void simulateFullDiskAfter(qint64 bytes) {
    simulatedSpace = bytes;
}

void simulateFailureAt(int step) {
    stepsBeforeFailure = step;
}

QString writtenFile(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    if (info.isSymLink())
        info.setFile(path); // a chain of links that never ends: the link itself is replaced
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : QDir(folder).filePath(info.fileName());
}

QString privateName(const QString& target, const QString& purpose) {
    return target + u'.' + purpose + u'-' + QString::number(QCoreApplication::applicationPid());
}

Refusal replace(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(from.toStdU16String(), to.toStdU16String(), error);
    return error ? Refusal::because(QString::fromStdString(error.message())) : Refusal();
}

namespace {
// The cause of a failed write, or an empty text.
QString writeCause(const QString& target, const QByteArray& bytes) {
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile())
        return QStringLiteral("the name is taken by a folder or a special file");

    const QString temporary = privateName(target, QStringLiteral("writing"));
    QFile::remove(temporary); // left by an earlier run of the same process number that was cut short
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return file.errorString();
    auto discard = qScopeGuard([&] {
        file.close();
        QFile::remove(temporary);
    });
    if (existing.exists())
        file.setPermissions(existing.permissions()); // a replaced file keeps who may read it

    if (const QString error = fill(file, bytes); !error.isEmpty())
        return error;
    if (simulatedFailure())
        return simulatedFailureText();
    if (const Refusal renamed = replace(temporary, target))
        return renamed.why();
    discard.dismiss();
    return {};
}
} // namespace

Refusal write(const QString& path, const QByteArray& bytes) {
    const QString cause = writeCause(writtenFile(path), bytes);
    return cause.isEmpty() ? Refusal() : Refusal::because(cause);
}

} // namespace CheckedFileWriter
