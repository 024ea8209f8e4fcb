#pragma once

#include "database/refusal.h"

#include <QByteArray>
#include <QString>

// Every file the program writes (label images, PDFs, exports) goes through here, so it is
// written whole or not at all: the bytes go to a temporary file beside the target, every
// write, the flush and the sync to the disk are checked, and only then is the file renamed
// over the target. Until that rename the target is not touched.
namespace CheckedFileWriter {

// Refused with the cause when the file could not be written whole; the target is then as it
// was and no temporary file is left. A target that is a link keeps the link: the file it
// names is replaced.
Refusal write(const QString& path, const QByteArray& bytes);

// The file a write to `path` replaces, as a full path: a link is followed to the file it names
// (the link stays), and links and ".." on the way are resolved as far as the folders exist.
QString writtenFile(const QString& path);

// A name beside `target` for a file being made (`purpose`: "building", "restoring"...),
// private to this process, so nothing another run does can touch it.
QString privateName(const QString& target, const QString& purpose);

// Puts the finished file `from` in place of `to` in one step, so there is never a moment
// without one of the two. Refused with the cause otherwise; `from` is left where it is then.
Refusal replace(const QString& from, const QString& to);

// Test seam: from now on the disk of every write is full once `bytes` more bytes have been
// written by this process; a negative value gives the disk its space back.
void simulateFullDiskAfter(qint64 bytes);

// Test seam: the disk fails the `step`-th operation of the writes that follow, counting from
// 0 (each part of a file written, then its flush, its sync to the disk, its close and its
// rename into place), as a failing disk would; then it works again. A negative value ends it.
void simulateFailureAt(int step);

} // namespace CheckedFileWriter
