#include "database/district_file.h"

#include "database/db_connection.h"
#include "database/db_exception.h"
#include "database/divisions.h"
#include "database/engine_work_limit.h"
#include "database/meet_schema.h"
#include "database/owned_files.h"
#include "database/sql.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cmath>
#include <optional>

namespace DistrictFile {

namespace {

// The most that reading one district file may cost; a real one needs a small part of it.
constexpr int WorkSeconds = 5;
constexpr int WorkMegabytes = 128;
// Far more rows than a district has (a large one has a few thousand riders), so that a file's
// size alone cannot fill the memory.
constexpr int MostRows = 50000;

struct Wanted {
    QString table;
    QStringList fields;
    QString order;
};

const QList<Wanted>& wanted() {
    static const QList<Wanted> all{
        {QStringLiteral("TblTeam"), {"TeamCode", "TeamName", "Division", "District"}, "upper(Division), TeamName"},
        {QStringLiteral("TblCoach"),
         {"TeamCode", "CoachCode", "FirstName", "LastName", "Position", "Address", "City", "Zip", "Primary",
          "Secondary", "Email"},
         "TeamCode, Position DESC, LastName, FirstName"},
        {QStringLiteral("TblPerson"),
         {"TeamCode", "RiderNumber", "FirstName", "LastName", "Address", "City", "Zip"},
         "TeamCode, LastName, FirstName"},
    };
    return all;
}

// Control characters (NUL, ESC, line breaks...) and the bidirectional embeddings, overrides
// and isolates, which turn the text around them: no name or address carries one, and they
// would reach the lists, the web pages and the CSV files.
bool forbidden(QChar c) {
    const char16_t u = c.unicode();
    return c.category() == QChar::Other_Control || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

// The value of a number field: a whole number as the engine stores one, a real without a
// fraction or a text of digits. Anything else (1.5, a text, binary data) has none.
std::optional<qint64> wholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double real = value.toDouble();
        if (std::trunc(real) == real && std::abs(real) <= double(INT32_MAX) + 1)
            return static_cast<qint64>(real);
        return std::nullopt;
    }
    case QMetaType::QString: {
        bool number = false;
        const qint64 n = value.toString().toLongLong(&number);
        return number ? std::optional<qint64>(n) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// Why a value cannot go into the meet database's field of the same name, or empty text; the
// value as the meet stores it goes into `stored`.
QString unfit(const MeetSchema::Field& field, const QVariant& value, QVariant& stored) {
    using T = MeetSchema::FieldType;
    if (field.type == T::Int32 || field.type == T::AutoNumber) {
        const std::optional<qint64> n = value.isNull() ? std::nullopt : wholeNumber(value);
        if (!n || *n < INT32_MIN || *n > INT32_MAX)
            return QStringLiteral("is not a whole number");
        stored = *n;
        return {};
    }
    if (value.typeId() == QMetaType::QByteArray && !value.isNull())
        return QStringLiteral("holds binary data, not text");
    const QString text = value.isNull() ? QString() : value.toString();
    for (const QChar c : text)
        if (forbidden(c))
            return QStringLiteral("holds the control character U+%1")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    if (text.isEmpty() && !field.zeroLengthAllowed)
        return QStringLiteral("is empty");
    if (text.size() > field.length)
        return QStringLiteral("is longer than %1 characters").arg(field.length);
    stored = text;
    return {};
}

const MeetSchema::Field* meetField(const QString& table, const QString& name) {
    for (const MeetSchema::Field& field : MeetSchema::table(table).fields)
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

// Reads one table's wanted fields, matched case-blind, checking every value.
QString readTable(const QSqlDatabase& db, const Wanted& want, QList<QVariantMap>& rows) {
    // Only a plain table merely holds rows: a view or a virtual table would run the file's own
    // query or code, without end if the file is made so.
    const QVariant kind =
        Sql::scalar(db, QStringLiteral("SELECT type FROM pragma_table_list(?) WHERE schema = 'main'"), {want.table});
    if (!kind.isValid())
        return QStringLiteral("the table %1 is missing").arg(want.table);
    if (kind.toString() != QLatin1String("table"))
        return QStringLiteral("the table %1 is a %2, not a plain table")
            .arg(want.table, kind.toString() == QLatin1String("view") ? QStringLiteral("view")
                                                                      : kind.toString() + QStringLiteral(" table"));
    QStringList found;
    auto columns = Sql::exec(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {want.table});
    while (columns.next())
        found << columns.value(0).toString();
    QStringList selected;
    QList<const MeetSchema::Field*> fields;
    for (const QString& name : want.fields) {
        if (!found.contains(name, Qt::CaseInsensitive))
            return QStringLiteral("the field %1 of the table %2 is missing").arg(name, want.table);
        // The program's own field name, which the engine matches case-blind to the file's.
        selected << u'"' + name + u'"';
        fields << meetField(want.table, name);
    }
    // Only the fixed names above are spliced, never a text read from the file.
    auto query = Sql::exec(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                   .arg(selected.join(QStringLiteral(", ")), want.table, want.order));
    int line = 0;
    while (query.next()) {
        if (++line > MostRows)
            return QStringLiteral("the table %1 holds more than %2 rows, more than any district has")
                .arg(want.table)
                .arg(MostRows);
        QVariantMap row;
        for (int i = 0; i < want.fields.size(); ++i) {
            QVariant stored;
            if (const QString why = unfit(*fields[i], query.value(i), stored); !why.isEmpty())
                return QStringLiteral("in row %1 of the table %2 the field %3 %4")
                    .arg(line)
                    .arg(want.table, want.fields[i], why);
            row.insert(want.fields[i], stored);
        }
        rows << row;
    }
    return {};
}

// A team's code is the key its coaches and riders name: two teams with one code would
// leave them without a clear team, so such a file is refused. A team's division must be
// one of the four, kept upper-case as the meet writes it, or no division would show it.
QString checkTeams(QList<QVariantMap>& teams) {
    QHash<qint64, qsizetype> rowOfCode;
    for (qsizetype row = 1; row <= teams.size(); ++row) {
        QVariantMap& team = teams[row - 1];
        const qint64 code = team.value(QStringLiteral("TeamCode")).toLongLong();
        if (const auto earlier = rowOfCode.constFind(code); earlier != rowOfCode.cend())
            return QStringLiteral("in row %1 of the table TblTeam the field TeamCode is the same as in row %2")
                .arg(row)
                .arg(*earlier);
        rowOfCode.insert(code, row);
        const QString division = team.value(QStringLiteral("Division")).toString().toUpper();
        if (!Divisions::isDivision(division))
            return QStringLiteral("in row %1 of the table TblTeam the field Division is not A, B, C or D").arg(row);
        team.insert(QStringLiteral("Division"), division);
    }
    return {};
}

// "1, 4 and 7": row numbers as a sentence names them, the first ten of a long list.
QString rowList(const QList<qsizetype>& rows) {
    constexpr qsizetype Named = 10;
    QStringList named;
    for (qsizetype i = 0; i < std::min(rows.size(), Named); ++i)
        named << QString::number(rows[i]);
    if (rows.size() > Named)
        return named.join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(rows.size() - Named);
    const QString last = named.takeLast();
    return named.isEmpty() ? last : named.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Every coach and rider must name a team of the file: one that names none would be read but
// never written, while the import counted it.
QString checkMembers(const Content& content) {
    QSet<qint64> codes;
    for (const QVariantMap& team : content.teams)
        codes.insert(team.value(QStringLiteral("TeamCode")).toLongLong());
    QStringList places;
    for (const auto& [table, rows] : {std::pair{QStringLiteral("TblCoach"), &content.coaches},
                                      std::pair{QStringLiteral("TblPerson"), &content.riders}}) {
        QList<qsizetype> orphans;
        for (qsizetype row = 1; row <= rows->size(); ++row)
            if (!codes.contains(rows->at(row - 1).value(QStringLiteral("TeamCode")).toLongLong()))
                orphans << row;
        if (!orphans.isEmpty())
            places << QStringLiteral("%1 %2 of the table %3")
                          .arg(orphans.size() == 1 ? QStringLiteral("row") : QStringLiteral("rows"), rowList(orphans),
                               table);
    }
    if (places.isEmpty())
        return {};
    return QStringLiteral("in %1 the field TeamCode names no team of the file")
        .arg(places.join(QStringLiteral(" and in ")));
}

} // namespace

Read read(const QString& path, const QString& meetDbPath) {
    Read result;
    const QString shown = QFileInfo(path).fileName();
    auto refuse = [&](const QString& why) {
        result.problem = QStringLiteral("The file %1 cannot be imported: %2.").arg(shown, why);
        result.content = {};
        return result;
    };
    if (!QFileInfo(path).isFile())
        return refuse(QStringLiteral("it is not a file"));
    // The meet's own file, or a backup of it, would bring every team of the meet in again.
    if (const Refusal own = meetDbPath.isEmpty() ? Refusal() : OwnedFiles::refusal(path, meetDbPath))
        return refuse(own.why());
    DbConnection file;
    std::optional<EngineWorkLimit> limit; // ends before the connection closes
    try {
        file.open(path, DbConnection::Mode::ReadOnly);
        limit.emplace(file.db(), WorkSeconds, WorkMegabytes);
        const QString check = Sql::scalar(file.db(), QStringLiteral("PRAGMA quick_check")).toString();
        if (check != QLatin1String("ok"))
            return refuse(QStringLiteral("it is damaged (%1)").arg(check.simplified().left(200)));
        QList<QVariantMap>* targets[] = {&result.content.teams, &result.content.coaches, &result.content.riders};
        for (int t = 0; t < wanted().size(); ++t)
            if (const QString why = readTable(file.db(), wanted()[t], *targets[t]); !why.isEmpty())
                return refuse(why);
        if (const QString why = checkTeams(result.content.teams); !why.isEmpty())
            return refuse(why);
        if (const QString why = checkMembers(result.content); !why.isEmpty())
            return refuse(why);
    } catch (const DbException& error) {
        if (limit && !limit->exceeded().isEmpty())
            return refuse(limit->exceeded() + QStringLiteral(", far more than any district file needs"));
        return refuse(error.fileProblem());
    }
    return result;
}

} // namespace DistrictFile
