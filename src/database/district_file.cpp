#include "database/district_file.h"

#include "database/db_connection.h"
#include "database/db_exception.h"
#include "database/meet_schema.h"
#include "database/sql.h"

#include <QFileInfo>
#include <QSqlRecord>

namespace DistrictFile {

namespace {

struct Wanted {
    QString table;
    QStringList fields;
    QString order;
};

const QList<Wanted>& wanted() {
    static const QList<Wanted> all{
        {QStringLiteral("TblTeam"), {"TeamCode", "TeamName", "Division", "District"}, "Division, TeamName"},
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

// Why a value cannot go into the meet database's field of the same name, or empty text.
QString unfit(const MeetSchema::Field& field, const QVariant& value) {
    using T = MeetSchema::FieldType;
    if (field.type == T::Int32 || field.type == T::AutoNumber) {
        bool number = false;
        const qint64 n = value.toLongLong(&number);
        if (value.isNull() || !number || n < INT32_MIN || n > INT32_MAX)
            return QStringLiteral("is not a whole number");
        return {};
    }
    const QString text = value.isNull() ? QString() : value.toString();
    if (text.isEmpty() && !field.zeroLengthAllowed)
        return QStringLiteral("is empty");
    if (text.size() > field.length)
        return QStringLiteral("is longer than %1 characters").arg(field.length);
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
    QStringList found;
    auto columns = Sql::exec(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {want.table});
    while (columns.next())
        found << columns.value(0).toString();
    if (found.isEmpty())
        return QStringLiteral("the table %1 is missing").arg(want.table);
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
        ++line;
        QVariantMap row;
        for (int i = 0; i < want.fields.size(); ++i) {
            const QVariant value = query.value(i);
            if (const QString why = unfit(*fields[i], value); !why.isEmpty())
                return QStringLiteral("in row %1 of the table %2 the field %3 %4")
                    .arg(line)
                    .arg(want.table, want.fields[i], why);
            row.insert(want.fields[i], value.isNull() ? QVariant(QString()) : value);
        }
        rows << row;
    }
    return {};
}

} // namespace

Read read(const QString& path) {
    Read result;
    const QString shown = QFileInfo(path).fileName();
    auto refuse = [&](const QString& why) {
        result.problem = QStringLiteral("The file %1 cannot be imported: %2.").arg(shown, why);
        result.content = {};
        return result;
    };
    if (!QFileInfo(path).isFile())
        return refuse(QStringLiteral("it is not a file"));
    try {
        DbConnection file;
        file.open(path, DbConnection::Mode::ReadOnly);
        const QString check = Sql::scalar(file.db(), QStringLiteral("PRAGMA quick_check")).toString();
        if (check != QLatin1String("ok"))
            return refuse(QStringLiteral("it is damaged (%1)").arg(check));
        QList<QVariantMap>* targets[] = {&result.content.teams, &result.content.coaches, &result.content.riders};
        for (int t = 0; t < wanted().size(); ++t)
            if (const QString why = readTable(file.db(), wanted()[t], *targets[t]); !why.isEmpty())
                return refuse(why);
    } catch (const DbException& error) {
        return refuse(error.engineText().section(u'\n', 0, 0));
    }
    return result;
}

} // namespace DistrictFile
