#include "exchange/import_data.h"

#include "database/back_number.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

namespace ImportData {

QStringList importAll(const QSqlDatabase& db, const DistrictFile::Content& content) {
    QStringList held;
    auto numbers = Sql::exec(db, QStringLiteral("SELECT RiderNumber FROM TblPerson WHERE RiderNumber IS NOT NULL"));
    while (numbers.next())
        held << numbers.value(0).toString();

    QStringList clashes;
    TransactionGuard transaction(db);
    for (const QVariantMap& team : content.teams) {
        const qint64 districtCode = team.value(QStringLiteral("TeamCode")).toLongLong();
        auto added = Sql::exec(db, QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)"),
                               {team.value(QStringLiteral("TeamName")), team.value(QStringLiteral("Division")),
                                team.value(QStringLiteral("District"))});
        const qint32 teamCode = added.lastInsertId().toInt();
        for (const QVariantMap& coach : content.coaches)
            if (coach.value(QStringLiteral("TeamCode")).toLongLong() == districtCode)
                Sql::exec(db,
                          QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode, Address, City, "
                                         "Zip, \"Primary\", Secondary, Email) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          {coach.value(QStringLiteral("FirstName")), coach.value(QStringLiteral("LastName")),
                           coach.value(QStringLiteral("Position")), teamCode, coach.value(QStringLiteral("Address")),
                           coach.value(QStringLiteral("City")), coach.value(QStringLiteral("Zip")),
                           coach.value(QStringLiteral("Primary")), coach.value(QStringLiteral("Secondary")),
                           coach.value(QStringLiteral("Email"))});
        for (const QVariantMap& rider : content.riders) {
            if (rider.value(QStringLiteral("TeamCode")).toLongLong() != districtCode)
                continue;
            const QString number = rider.value(QStringLiteral("RiderNumber")).toString();
            Sql::exec(db,
                      QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, Address, City, Zip, "
                                     "RiderNumber) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      {rider.value(QStringLiteral("FirstName")), rider.value(QStringLiteral("LastName")), teamCode,
                       rider.value(QStringLiteral("Address")), rider.value(QStringLiteral("City")),
                       rider.value(QStringLiteral("Zip")), number.isEmpty() ? QVariant() : QVariant(number)});
            if (!number.isEmpty() && std::any_of(held.begin(), held.end(),
                                                 [&](const QString& other) { return BackNumber::same(other, number); }))
                clashes << number + u' ' + rider.value(QStringLiteral("FirstName")).toString() + u' ' +
                               rider.value(QStringLiteral("LastName")).toString();
        }
    }
    transaction.commit();
    return clashes;
}

} // namespace ImportData
