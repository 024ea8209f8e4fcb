#include "database/class_data.h"

#include "database/sql.h"
#include "database/transaction_guard.h"

namespace ClassData {

QList<ClassRow> all(const QSqlDatabase& db) {
    CheckedQuery q = Sql::exec(db, QStringLiteral("SELECT ClassNumber, ClassName, MaxEntries, ImagePath FROM TblClass "
                                                  "ORDER BY ClassNumber"));
    QList<ClassRow> rows;
    while (q.next())
        rows.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toDouble(), q.value(3).toString()});
    return rows;
}

QString className(const QSqlDatabase& db, int classNumber) {
    return Sql::scalar(db, QStringLiteral("SELECT ClassName FROM TblClass WHERE ClassNumber = ?"), {classNumber})
        .toString();
}

void update(const QSqlDatabase& db, const QList<ClassRow>& rows) {
    TransactionGuard transaction(db);
    for (const ClassRow& row : rows)
        Sql::exec(db,
                  QStringLiteral("UPDATE TblClass SET ClassName = ?, MaxEntries = ?, ImagePath = ? "
                                 "WHERE ClassNumber = ?"),
                  {row.ClassName, row.MaxEntries, row.ImagePath, row.ClassNumber});
    transaction.commit();
}

void insert(const QSqlDatabase& db, const QList<ClassRow>& rows) {
    for (const ClassRow& row : rows)
        Sql::exec(db,
                  QStringLiteral("INSERT INTO TblClass (ClassNumber, ClassName, MaxEntries, ImagePath) "
                                 "VALUES (?, ?, ?, ?)"),
                  {row.ClassNumber, row.ClassName, row.MaxEntries, row.ImagePath});
}

} // namespace ClassData
