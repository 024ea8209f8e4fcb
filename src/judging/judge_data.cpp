#include "judging/judge_data.h"

#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QSqlQuery>

namespace JudgeData {

namespace {
const QString SelectJudges = QStringLiteral("SELECT JudgeID, FirstName, LastName, Address, City, State, Zip, "
                                            "PhoneNumber, Email, Memo FROM TblJudge ");

QList<JudgeRow> readJudges(CheckedQuery query) {
    QList<JudgeRow> judges;
    while (query.next()) {
        JudgeRow judge;
        judge.JudgeID = query.value(0).toInt();
        judge.FirstName = query.value(1).toString();
        judge.LastName = query.value(2).toString();
        judge.Address = query.value(3).toString();
        judge.City = query.value(4).toString();
        judge.State = query.value(5).toString();
        judge.Zip = query.value(6).toString();
        judge.PhoneNumber = query.value(7).toString();
        judge.Email = query.value(8).toString();
        judge.Memo = query.value(9).toString();
        judges.append(judge);
    }
    return judges;
}

QVariantList judgeValues(const JudgeRow& judge) {
    return {judge.FirstName, judge.LastName,    judge.Address, judge.City, judge.State,
            judge.Zip,       judge.PhoneNumber, judge.Email,   judge.Memo};
}
} // namespace

QList<JudgeRow> byLastName(const QSqlDatabase& db) {
    return readJudges(Sql::exec(db, SelectJudges + QStringLiteral("ORDER BY LastName, JudgeID")));
}

QList<JudgeRow> inGridOrder(const QSqlDatabase& db) {
    return readJudges(Sql::exec(db, SelectJudges + QStringLiteral("ORDER BY JudgeID")));
}

std::optional<JudgeRow> find(const QSqlDatabase& db, qint32 judgeId) {
    const QList<JudgeRow> found =
        readJudges(Sql::exec(db, SelectJudges + QStringLiteral("WHERE JudgeID = ?"), {judgeId}));
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

qint32 insert(const QSqlDatabase& db, const JudgeRow& judge) {
    auto query = Sql::exec(db,
                                QStringLiteral("INSERT INTO TblJudge (FirstName, LastName, Address, City, State, Zip, "
                                               "PhoneNumber, Email, Memo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                judgeValues(judge));
    return query.lastInsertId().toInt();
}

bool update(const QSqlDatabase& db, const JudgeRow& judge) {
    QVariantList values = judgeValues(judge);
    values << judge.JudgeID;
    return Sql::exec(
               db,
               QStringLiteral("UPDATE TblJudge SET FirstName = ?, LastName = ?, Address = ?, City = ?, State = ?, "
                              "Zip = ?, PhoneNumber = ?, Email = ?, Memo = ? WHERE JudgeID = ?"),
               values)
               .numRowsAffected() == 1;
}

bool remove(const QSqlDatabase& db, qint32 judgeId) {
    return Sql::exec(db, QStringLiteral("DELETE FROM TblJudge WHERE JudgeID = ?"), {judgeId}).numRowsAffected() == 1;
}

bool hasAssignments(const QSqlDatabase& db, qint32 judgeId) {
    return Sql::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM TblClassJudges WHERE JudgeID = ?)"), {judgeId})
        .toBool();
}

bool hasPlacings(const QSqlDatabase& db, qint32 judgeId) {
    return Sql::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM TblPlacing WHERE JudgeID = ?)"), {judgeId})
        .toBool();
}

QList<Assignment> assignmentsOfDivision(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(db, QStringLiteral("SELECT JudgeID, ClassNumber FROM TblClassJudges WHERE Division = ?"), {division});
    QList<Assignment> assignments;
    while (query.next())
        assignments.append({query.value(1).toInt(), query.value(0).toInt()});
    return assignments;
}

QList<AssignedJudge> agendaOfDivision(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(
        db,
        QStringLiteral("SELECT TblClass.ClassNumber, TblClass.ClassName, TblJudge.FirstName, TblJudge.LastName "
                       "FROM TblClass INNER JOIN (TblClassJudges INNER JOIN TblJudge ON TblClassJudges.JudgeID = "
                       "TblJudge.JudgeID) ON TblClass.ClassNumber = TblClassJudges.ClassNumber "
                       "WHERE TblClassJudges.Division = ? "
                       "ORDER BY TblClass.ClassNumber, TblJudge.LastName, TblJudge.FirstName, TblJudge.JudgeID"),
        {division});
    QList<AssignedJudge> judges;
    while (query.next())
        judges.append(
            {query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(), query.value(3).toString()});
    return judges;
}

QList<PlacedJudge> placedJudgesOfDivision(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(
        db,
        QStringLiteral("SELECT DISTINCT TblPlacing.ClassNumber, TblPlacing.JudgeID, TblJudge.FirstName, "
                       "TblJudge.LastName FROM TblPlacing INNER JOIN TblJudge ON TblPlacing.JudgeID = TblJudge.JudgeID "
                       "WHERE TblPlacing.Division = ? ORDER BY TblPlacing.ClassNumber, TblJudge.LastName"),
        {division});
    QList<PlacedJudge> placed;
    while (query.next())
        placed.append(
            {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(), query.value(3).toString()});
    return placed;
}

void replaceDivisionAssignments(const QSqlDatabase& db, const QString& division, const QList<Assignment>& assignments) {
    TransactionGuard transaction(db);
    Sql::exec(db, QStringLiteral("DELETE FROM TblClassJudges WHERE Division = ?"), {division});
    QList<QVariantList> rows;
    for (const Assignment& assignment : assignments)
        rows.append({assignment.JudgeID, assignment.ClassNumber, division});
    Sql::execEach(db, QStringLiteral("INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (?, ?, ?)"),
                  rows);
    transaction.commit();
}

} // namespace JudgeData
