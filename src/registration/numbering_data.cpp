#include "registration/numbering_data.h"

#include "database/locked_save.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "registration/rider_data.h"

#include <QSqlQuery>

namespace NumberingData {

std::vector<qint32> writingOrder(const QSqlDatabase& db) {
    CheckedQuery query =
        Sql::exec(db, QStringLiteral("SELECT TblPerson.RiderIndex FROM TblTeam INNER JOIN TblPerson "
                                     "ON TblTeam.TeamCode = TblPerson.TeamCode ORDER BY TblTeam.Division, "
                                     "TblTeam.TeamName, TblTeam.TeamCode, TblPerson.LastName, "
                                     "TblPerson.FirstName, TblPerson.RiderIndex"));
    std::vector<qint32> riders;
    while (query.next())
        riders.push_back(query.value(0).toInt());
    return riders;
}

bool writeNumbers(const QSqlDatabase& db, const RowSnapshot& loaded, const std::vector<int>& numbers) {
    auto current = [&] { return RiderData::snapshotOfAll(db); };
    return LockedSave::replace(db, loaded, current, [&] {
        const std::vector<qint32> riders = writingOrder(db);
        QList<QVariantList> rows;
        rows.reserve(static_cast<qsizetype>(riders.size()));
        for (size_t k = 0; k < riders.size() && k < numbers.size(); ++k)
            rows.append({QString::number(numbers[k]), riders[k]});
        Sql::execEach(db, QStringLiteral("UPDATE TblPerson SET RiderNumber = ? WHERE RiderIndex = ?"), rows);
    });
}

NumberChange updateRiderNumber(const QSqlDatabase& db, qint32 riderIndex, const QString& number) {
    TransactionGuard transaction(db);
    if (RiderData::numberHeldByOther(db, number, riderIndex))
        return NumberChange::HeldByOther;
    if (Sql::exec(db, QStringLiteral("UPDATE TblPerson SET RiderNumber = ? WHERE RiderIndex = ?"), {number, riderIndex})
            .numRowsAffected() != 1)
        return NumberChange::RiderGone;
    transaction.commit();
    return NumberChange::Stored;
}

} // namespace NumberingData
