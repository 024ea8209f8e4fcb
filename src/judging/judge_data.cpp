#include "judging/judge_data.h"

#include "database/column_map.h"
#include "database/locked_save.h"
#include "database/sql.h"

#include <QSqlQuery>

namespace JudgeData {

namespace {
const ColumnMap<JudgeRow>& judgeFields() {
    static const ColumnMap<JudgeRow> fields = ColumnMap<JudgeRow>()
                                                  .key(QStringLiteral("JudgeID"), &JudgeRow::JudgeID)
                                                  .field(QStringLiteral("FirstName"), &JudgeRow::FirstName)
                                                  .field(QStringLiteral("LastName"), &JudgeRow::LastName)
                                                  .field(QStringLiteral("Address"), &JudgeRow::Address)
                                                  .field(QStringLiteral("City"), &JudgeRow::City)
                                                  .field(QStringLiteral("State"), &JudgeRow::State)
                                                  .field(QStringLiteral("Zip"), &JudgeRow::Zip)
                                                  .field(QStringLiteral("PhoneNumber"), &JudgeRow::PhoneNumber)
                                                  .field(QStringLiteral("Email"), &JudgeRow::Email)
                                                  .field(QStringLiteral("Memo"), &JudgeRow::Memo);
    return fields;
}

const ColumnMap<Assignment>& assignmentFields() {
    static const ColumnMap<Assignment> fields = ColumnMap<Assignment>()
                                                    .field(QStringLiteral("ClassNumber"), &Assignment::ClassNumber)
                                                    .field(QStringLiteral("JudgeID"), &Assignment::JudgeID);
    return fields;
}
} // namespace

QList<JudgeRow> byLastName(const QSqlDatabase& db) {
    return judgeFields().select(db, QStringLiteral("FROM TblJudge ORDER BY LastName, JudgeID"));
}

QList<JudgeRow> inGridOrder(const QSqlDatabase& db) {
    return judgeFields().select(db, QStringLiteral("FROM TblJudge ORDER BY JudgeID"));
}

std::optional<JudgeRow> find(const QSqlDatabase& db, qint32 judgeId) {
    const QList<JudgeRow> found =
        judgeFields().select(db, QStringLiteral("FROM TblJudge WHERE JudgeID = ?"), {judgeId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

qint32 insert(const QSqlDatabase& db, const JudgeRow& judge) {
    return judgeFields().insertReturningKey(db, QStringLiteral("TblJudge"), judge).toInt();
}

bool update(const QSqlDatabase& db, const JudgeRow& judge) {
    return Sql::exec(db, judgeFields().update(QStringLiteral("TblJudge")), judgeFields().valuesThenKey(judge))
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
    return assignmentFields().select(db, QStringLiteral("FROM TblClassJudges WHERE Division = ?"), {division});
}

QList<AssignedJudge> agendaOfDivision(const QSqlDatabase& db, const QString& division) {
    static const ColumnMap<AssignedJudge> fields =
        ColumnMap<AssignedJudge>()
            .field(QStringLiteral("TblClass.ClassNumber"), &AssignedJudge::ClassNumber)
            .field(QStringLiteral("TblClass.ClassName"), &AssignedJudge::ClassName)
            .field(QStringLiteral("TblJudge.FirstName"), &AssignedJudge::FirstName)
            .field(QStringLiteral("TblJudge.LastName"), &AssignedJudge::LastName);
    return fields.select(
        db,
        QStringLiteral("FROM TblClass INNER JOIN (TblClassJudges INNER JOIN TblJudge ON TblClassJudges.JudgeID = "
                       "TblJudge.JudgeID) ON TblClass.ClassNumber = TblClassJudges.ClassNumber "
                       "WHERE TblClassJudges.Division = ? "
                       "ORDER BY TblClass.ClassNumber, TblJudge.LastName, TblJudge.FirstName, TblJudge.JudgeID"),
        {division});
}

QList<PlacedJudge> placedJudgesOfDivision(const QSqlDatabase& db, const QString& division) {
    static const ColumnMap<PlacedJudge> fields =
        ColumnMap<PlacedJudge>()
            .field(QStringLiteral("TblPlacing.ClassNumber"), &PlacedJudge::ClassNumber)
            .field(QStringLiteral("TblPlacing.JudgeID"), &PlacedJudge::JudgeID)
            .field(QStringLiteral("TblJudge.FirstName"), &PlacedJudge::FirstName)
            .field(QStringLiteral("TblJudge.LastName"), &PlacedJudge::LastName);
    // DISTINCT goes before the columns the fields name.
    return fields.readAll(Sql::exec(
        db,
        QStringLiteral("SELECT DISTINCT ") + fields.columns() +
            QStringLiteral(" FROM TblPlacing INNER JOIN TblJudge ON TblPlacing.JudgeID = TblJudge.JudgeID "
                           "WHERE TblPlacing.Division = ? ORDER BY TblPlacing.ClassNumber, TblJudge.LastName"),
        {division}));
}

RowSnapshot snapshotOf(const QList<Assignment>& assignments) {
    return RowSnapshot().add(assignmentFields(), assignments);
}

bool replaceDivisionAssignments(const QSqlDatabase& db, const QString& division, const RowSnapshot& loaded,
                                const QList<Assignment>& assignments) {
    auto current = [&] { return snapshotOf(assignmentsOfDivision(db, division)); };
    return LockedSave::replace(db, loaded, current, [&] {
        Sql::exec(db, QStringLiteral("DELETE FROM TblClassJudges WHERE Division = ?"), {division});
        QList<QVariantList> rows;
        for (const Assignment& assignment : assignments)
            rows.append(assignmentFields().values(assignment) << division);
        Sql::insertEach(db,
                      QStringLiteral("INSERT INTO TblClassJudges (%1, Division) VALUES (?, ?, ?)")
                          .arg(assignmentFields().columns()),
                      rows);
    });
}

} // namespace JudgeData
