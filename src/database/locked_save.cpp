#include "database/locked_save.h"

#include "database/transaction_guard.h"

namespace LockedSave {

bool replace(const QSqlDatabase& db, const RowSnapshot& loaded, const std::function<RowSnapshot()>& current,
             const std::function<void()>& write) {
    TransactionGuard transaction(db);
    if (current() != loaded)
        return false;
    write();
    transaction.commit();
    return true;
}

} // namespace LockedSave
