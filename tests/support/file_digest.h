#pragma once

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

// A hash of a file's bytes, to tell that a file was left exactly as it was; empty when there
// is no regular file to read (a named pipe is never opened: that would wait for a writer).
inline QByteArray digest(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}
