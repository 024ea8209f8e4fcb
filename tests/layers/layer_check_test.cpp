#include "include_graph.h"
#include "test_main.h"

#include <QDebug>
#include <QTest>

// Keeps src/ layered: a file includes only its own folder and the folders beneath it, the
// subsystems never include one another, and no includes go round in a circle.
class LayerCheckTest : public QObject {
    Q_OBJECT
private slots:
    void sourceTreeIsLayered();
    void checkerFindsEachKindOfFault_data();
    void checkerFindsEachKindOfFault();
};

void LayerCheckTest::sourceTreeIsLayered() {
    const IncludeGraph graph = Layers::read(QStringLiteral(CORRAVIN_SOURCE_DIR));
    qsizetype includes = 0;
    for (const QStringList& headers : graph)
        includes += headers.size();
    QVERIFY2(graph.size() > 10 && includes > 10, "the source tree was not read");

    const QStringList problems = Layers::wrongWayIncludes(graph) + Layers::circles(graph);
    // One line each: a failure message of Qt Test is cut at 1024 characters.
    for (const QString& problem : problems)
        qWarning().noquote() << problem;
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 layer faults, listed above").arg(problems.size())));
    qInfo("layers: %d files, %d project includes, no upward or sideways include, no circle",
          static_cast<int>(graph.size()), static_cast<int>(includes));
}

// Small made-up trees, each file written as "file: header header".
void LayerCheckTest::checkerFindsEachKindOfFault_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("own folder and below") << QStringList{"ui/a.cpp: ui/a.h database/sql.h", "ui/a.h:"}
                                          << QStringList{};
    QTest::newRow("upward") << QStringList{"database/a.cpp: reports/r.h ui/b.h"}
                            << QStringList{"src/database/a.cpp includes reports/r.h (database is below reports)",
                                           "src/database/a.cpp includes ui/b.h (database is below ui)"};
    QTest::newRow("engine below windows")
        << QStringList{"report_engine/a.cpp: labels/l.h ui/b.h", "ui/c.cpp: report_engine/a.h"}
        << QStringList{"src/report_engine/a.cpp includes ui/b.h (report_engine is below ui)"};
    QTest::newRow("peers") << QStringList{"judging/a.cpp: results/r.h"}
                           << QStringList{"src/judging/a.cpp includes results/r.h (judging and results are peers)"};
    QTest::newRow("folder in no layer") << QStringList{"tools/a.cpp: ui/b.h", "ui/c.cpp: extra/d.h"}
                                        << QStringList{"src/tools is in no layer", "src/extra is in no layer"};
    QTest::newRow("circle") << QStringList{"ui/a.h: ui/b.h", "ui/b.h: ui/c.h", "ui/c.h: ui/a.h", "ui/d.cpp: ui/a.h"}
                            << QStringList{"circle: src/ui/a.h -> src/ui/b.h -> src/ui/c.h -> src/ui/a.h"};
}

void LayerCheckTest::checkerFindsEachKindOfFault() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, problems);
    IncludeGraph graph;
    for (const QString& file : files)
        graph.insert(file.section(u':', 0, 0), file.section(u':', 1).split(u' ', Qt::SkipEmptyParts));
    QCOMPARE(Layers::wrongWayIncludes(graph) + Layers::circles(graph), problems);
}

CORRAVIN_TEST(LayerCheckTest)
#include "layer_check_test.moc"
