#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes (label images, PDFs, exports) goes through here, so it is
// written whole or not at all: the bytes go to a temporary file beside the target, every
// write is checked, the file is flushed to the disk, and only then renamed over the target.
namespace CheckedFileWriter {

// Answers an empty text on success, else the cause. On failure the target is as it was
// and no temporary file is left.
QString write(const QString& path, const QByteArray& bytes);

// A name beside `target` for a file being made (`purpose`: "building", "restoring"...),
// private to this process, so nothing another run does can touch it.
QString privateName(const QString& target, const QString& purpose);

// Puts the finished file `from` in place of `to` in one step, so there is never a moment
// without one of the two. Answers an empty text on success, else the cause; `from` is
// left where it is then.
QString replace(const QString& from, const QString& to);

// Test seam: from now on the disk of every write is full once `bytes` more bytes have been
// written by this process; a negative value gives the disk its space back.
void simulateFullDiskAfter(qint64 bytes);

} // namespace CheckedFileWriter
