#include "exchange/import_data.h"

#include "database/back_number.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QHash>

namespace ImportData {

Imported importAll(const QSqlDatabase& db, const DistrictFile::Content& content) {
    BackNumber::Set held;
    auto numbers = Sql::exec(db, QStringLiteral("SELECT RiderNumber FROM TblPerson WHERE RiderNumber IS NOT NULL"));
    while (numbers.next())
        held.insert(numbers.value(0).toString());

    auto field = [](const QVariantMap& row, const char* name) { return row.value(QLatin1String(name)); };
    // The file's coaches and riders by the district's team code, in the file's order.
    QHash<qint64, QList<const QVariantMap*>> coachesOf;
    QHash<qint64, QList<const QVariantMap*>> ridersOf;
    for (const QVariantMap& coach : content.coaches)
        coachesOf[field(coach, "TeamCode").toLongLong()] << &coach;
    for (const QVariantMap& rider : content.riders)
        ridersOf[field(rider, "TeamCode").toLongLong()] << &rider;

    Imported imported;
    QList<QVariantList> coaches;
    QList<QVariantList> riders;
    TransactionGuard transaction(db);
    // Each district team becomes a new meet team with its coaches and riders.
    for (const QVariantMap& team : content.teams) {
        const qint32 teamCode =
            Sql::insertReturningKey(db,
                                    QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)"),
                                    {field(team, "TeamName"), field(team, "Division"), field(team, "District")},
                                    QStringLiteral("TeamCode"))
                .toInt();
        const qint64 districtCode = field(team, "TeamCode").toLongLong();
        for (const QVariantMap* coach : coachesOf.value(districtCode))
            coaches.append({field(*coach, "FirstName"), field(*coach, "LastName"), field(*coach, "Position"), teamCode,
                            field(*coach, "Address"), field(*coach, "City"), field(*coach, "Zip"),
                            field(*coach, "Primary"), field(*coach, "Secondary"), field(*coach, "Email")});
        for (const QVariantMap* rider : ridersOf.value(districtCode)) {
            const QString number = field(*rider, "RiderNumber").toString();
            riders.append({field(*rider, "FirstName"), field(*rider, "LastName"), teamCode, field(*rider, "Address"),
                           field(*rider, "City"), field(*rider, "Zip"), number.isEmpty() ? QVariant() : QVariant(number)});
            if (number.isEmpty())
                continue;
            if (held.contains(number))
                imported.clashes << number + u' ' + field(*rider, "FirstName").toString() + u' ' +
                                        field(*rider, "LastName").toString();
            held.insert(number); // a later rider of the file with this number clashes too
        }
    }
    Sql::insertEach(db,
                  QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode, Address, City, Zip, "
                                 "\"Primary\", Secondary, Email) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  coaches);
    Sql::insertEach(db,
                  QStringLiteral("INSERT INTO TblPerson (FirstName, LastName, TeamCode, Address, City, Zip, RiderNumber) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  riders);
    transaction.commit();
    imported.teams = content.teams.size();
    imported.coaches = coaches.size();
    imported.riders = riders.size();
    return imported;
}

} // namespace ImportData
