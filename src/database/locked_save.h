#pragma once

#include "database/row_snapshot.h"

#include <QSqlDatabase>
#include <functional>

// A save that replaces rows other stations may change as well (a team's entries, a division's
// judges, a class's placings, the back numbers of a run). It writes only over the rows its
// window showed: in one transaction that holds the meet's write lock from its start, the rows
// are read again and compared with what the window read when it opened, and written only when
// they are the same. So a save from a window opened before another station's save never
// merges with that save nor undoes it.
namespace LockedSave {

// Runs `write` and commits when `current()`, read under the lock, equals `loaded`. Answers
// false, having written nothing, when the rows changed since `loaded` was read. Throws
// DbException when the engine refuses (DbException::conflictsWithAnotherStation() when another
// station's write held the lock too long).
[[nodiscard]] bool replace(const QSqlDatabase& db, const RowSnapshot& loaded,
                           const std::function<RowSnapshot()>& current, const std::function<void()>& write);

} // namespace LockedSave
