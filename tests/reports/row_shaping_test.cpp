#include "test_main.h"

#include "report_engine/row_shaping.h"

#include <QTest>

namespace {

RowSet teams() {
    RowSet rows(QStringLiteral("RptTeam"), {QStringLiteral("TeamCode"), QStringLiteral("TeamName")});
    rows.append({1, QStringLiteral("Alpha")});
    rows.append({2, QStringLiteral("Bravo")});
    rows.append({3, QStringLiteral("Charlie")});
    return rows;
}

RowSet riders() {
    RowSet rows(QStringLiteral("RptRider"),
                {QStringLiteral("RiderIndex"), QStringLiteral("TeamCode"), QStringLiteral("Rider")});
    rows.append({10, 2, QStringLiteral("Bea")});
    rows.append({11, 1, QStringLiteral("Al")});
    rows.append({12, 2, QStringLiteral("Bo")});
    rows.append({13, 9, QStringLiteral("Orphan")});
    return rows;
}

RowSet placings() {
    RowSet rows(QStringLiteral("RptPlacings"),
                {QStringLiteral("TblPlacing.ClassNumber"), QStringLiteral("RiderIndex"), QStringLiteral("Points")});
    rows.append({1, 10, 10.0});
    rows.append({2, 12, 9.0});
    rows.append({3, 10, 8.0});
    return rows;
}

QStringList column(const RowSet& rows, const QString& field) {
    QStringList values;
    for (int i = 0; i < rows.size(); ++i)
        values << rows.value(i, field).toString();
    return values;
}

} // namespace

class RowShapingTest : public QObject {
    Q_OBJECT

private slots:
    void relatesThreeLevels();
    void relatesNumbersByValue();
    void fieldLookupIgnoresCaseAndQualifier();
    void groupsByFieldsInOrderOfFirstAppearance_data();
    void groupsByFieldsInOrderOfFirstAppearance();
    void unknownFieldIsRefused();
};

void RowShapingTest::relatesThreeLevels() {
    const RowSet withPlacings = RowShaping::relate(riders(), QStringLiteral("RiderIndex"), placings(),
                                                   QStringLiteral("RiderIndex"), QStringLiteral("RptPlacings"));
    const RowSet tree = RowShaping::relate(teams(), QStringLiteral("TeamCode"), withPlacings,
                                           QStringLiteral("TeamCode"), QStringLiteral("RptRider"));
    QCOMPARE(tree.size(), 3);
    // Alpha: Al, no placings. Bravo: Bea (classes 1 and 3), Bo (class 2). Charlie: nobody.
    QCOMPARE(column(*tree.at(0).children, QStringLiteral("Rider")), QStringList{QStringLiteral("Al")});
    QVERIFY(tree.at(0).children->at(0).children->isEmpty());
    const RowSet& bravo = *tree.at(1).children;
    QCOMPARE(bravo.name(), QStringLiteral("RptRider"));
    QCOMPARE(column(bravo, QStringLiteral("Rider")), (QStringList{QStringLiteral("Bea"), QStringLiteral("Bo")}));
    QCOMPARE(column(*bravo.at(0).children, QStringLiteral("TblPlacing.ClassNumber")),
             (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    QCOMPARE(column(*bravo.at(1).children, QStringLiteral("Points")), QStringList{QStringLiteral("9")});
    QVERIFY(tree.at(2).children->isEmpty());
}

// Keys meet by value whatever their number type, text stays apart from numbers, and parents
// that share a key each get their own copy of its children.
void RowShapingTest::relatesNumbersByValue() {
    RowSet parents(QStringLiteral("P"), {QStringLiteral("Key")});
    for (const QVariant& key : {QVariant(2), QVariant(qlonglong(2)), QVariant(qlonglong(1) << 60), QVariant("2")})
        parents.append({key});
    RowSet children(QStringLiteral("C"), {QStringLiteral("Key"), QStringLiteral("Name")});
    children.append({2.0, QStringLiteral("double")});
    children.append({QVariant::fromValue(short(2)), QStringLiteral("short")});
    children.append({double(qlonglong(1) << 60), QStringLiteral("large")});
    children.append({QVariant(), QStringLiteral("none")});
    const RowSet related = RowShaping::relate(parents, "Key", children, "Key", "C");
    const QStringList both{QStringLiteral("double"), QStringLiteral("short")};
    QCOMPARE(column(*related.at(0).children, QStringLiteral("Name")), both);
    QCOMPARE(column(*related.at(1).children, QStringLiteral("Name")), both);
    QVERIFY(related.at(0).children != related.at(1).children);
    QCOMPARE(column(*related.at(2).children, QStringLiteral("Name")), QStringList{QStringLiteral("large")});
    QVERIFY(related.at(3).children->isEmpty());
}

void RowShapingTest::fieldLookupIgnoresCaseAndQualifier() {
    const RowSet rows = placings();
    QCOMPARE(rows.fieldIndex(QStringLiteral("tblplacing.classnumber")), 0);
    QCOMPARE(rows.fieldIndex(QStringLiteral("ClassNumber")), -1); // the set names it qualified
    QCOMPARE(rows.fieldIndex(QStringLiteral("TblPerson.RiderIndex")), 1);
    QCOMPARE(rows.fieldIndex(QStringLiteral("POINTS")), 2);
    QCOMPARE(rows.fieldIndex(QStringLiteral("Judge")), -1);
}

void RowShapingTest::groupsByFieldsInOrderOfFirstAppearance_data() {
    QTest::addColumn<QStringList>("by");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("division and team") << QStringList{QStringLiteral("Division"), QStringLiteral("TeamName")}
                                       << QStringList{QStringLiteral("B/Hawks"), QStringLiteral("A/Hawks"),
                                                      QStringLiteral("A/Owls")}
                                       << QList<int>{3, 1, 1};
    QTest::newRow("division only") << QStringList{QStringLiteral("Division")}
                                   << QStringList{QStringLiteral("B"), QStringLiteral("A")} << QList<int>{3, 2};
    QTest::newRow("qualified name") << QStringList{QStringLiteral("TblTeam.TeamName")}
                                    << QStringList{QStringLiteral("Hawks"), QStringLiteral("Owls")}
                                    << QList<int>{4, 1};
}

void RowShapingTest::groupsByFieldsInOrderOfFirstAppearance() {
    QFETCH(QStringList, by);
    QFETCH(QStringList, groups);
    QFETCH(QList<int>, sizes);

    RowSet rows(QStringLiteral("Riders"),
                {QStringLiteral("Division"), QStringLiteral("TeamName"), QStringLiteral("Rider")});
    rows.append({QStringLiteral("B"), QStringLiteral("Hawks"), QStringLiteral("1")});
    rows.append({QStringLiteral("A"), QStringLiteral("Hawks"), QStringLiteral("2")});
    rows.append({QStringLiteral("b"), QStringLiteral("HAWKS"), QStringLiteral("3")}); // same group, other case
    rows.append({QStringLiteral("A"), QStringLiteral("Owls"), QStringLiteral("4")});
    rows.append({QStringLiteral("B"), QStringLiteral("Hawks"), QStringLiteral("5")}); // not adjacent

    const RowSet grouped = RowShaping::group(rows, by, QStringLiteral("Grouping"));
    QCOMPARE(grouped.name(), QStringLiteral("Grouping"));
    QStringList names;
    QList<int> counts;
    for (int i = 0; i < grouped.size(); ++i) {
        QStringList key;
        for (const QString& field : by)
            key << grouped.value(i, field).toString();
        names << key.join(u'/');
        counts << grouped.at(i).children->size();
        QCOMPARE(grouped.at(i).children->name(), QStringLiteral("Riders"));
    }
    QCOMPARE(names, groups);
    QCOMPARE(counts, sizes);
}

void RowShapingTest::unknownFieldIsRefused() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, RowShaping::group(teams(), {QStringLiteral("Nope")}, "G"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             RowShaping::relate(teams(), QStringLiteral("TeamCode"), riders(), QStringLiteral("Nope"), "C"));
}

CORRAVIN_TEST(RowShapingTest)
#include "row_shaping_test.moc"
