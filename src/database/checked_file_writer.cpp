#include "database/checked_file_writer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <atomic>
#include <filesystem>

namespace CheckedFileWriter {

namespace {
std::atomic<qint64> simulatedSpace{-1};

// How many of `wanted` bytes the (possibly simulated) disk still takes.
qint64 room(qint64 wanted) {
    qint64 left = simulatedSpace.load();
    if (left < 0)
        return wanted;
    const qint64 taken = std::min(left, wanted);
    simulatedSpace -= taken;
    return taken;
}
} // namespace

void simulateFullDiskAfter(qint64 bytes) {
    simulatedSpace = bytes;
}

QString privateName(const QString& target, const QString& purpose) {
    return target + u'.' + purpose + u'-' + QString::number(QCoreApplication::applicationPid());
}

QString replace(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(from.toStdU16String(), to.toStdU16String(), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

QString write(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return QStringLiteral("the name is taken by a folder or a special file");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const qint64 allowed = room(bytes.size());
    const qint64 written = file.write(bytes.constData(), allowed);
    if (written != bytes.size()) {
        const QString why = written != allowed ? file.errorString() : QStringLiteral("No space left on device");
        file.cancelWriting(); // the temporary file goes when `file` does
        return why;
    }
    // commit() flushes, syncs to the disk and renames; a write error held back by a buffer
    // until now makes it fail and remove the temporary file.
    if (!file.commit())
        return file.errorString();
    if (QFileInfo(path).size() != bytes.size())
        return QStringLiteral("the file on the disk is %1 bytes instead of %2")
            .arg(QFileInfo(path).size())
            .arg(bytes.size());
    return {};
}

} // namespace CheckedFileWriter
