#include "include_graph.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace Layers {
namespace {

// Lowest first. A file may include its own folder and the folders of lower layers; the
// folders of one layer are peers and include none of the others.
const QList<QStringList>& layerOrder() {
    static const QList<QStringList> order{
        {"database"}, {"labels"}, {"report_engine"}, {"ui"}, {"reports"},
        {"registration", "entries", "judging", "results", "exchange"}, {"startup"}, {"app"}};
    return order;
}

// -1 for a folder that is in no layer.
int layerOf(const QString& folder) {
    for (qsizetype i = 0; i < layerOrder().size(); ++i)
        if (layerOrder().at(i).contains(folder))
            return static_cast<int>(i);
    return -1;
}

QString folderOf(const QString& path) { return path.section(u'/', 0, 0); }

// Depth-first walk that reports a circle each time it meets a file still on its path.
class CircleFinder {
public:
    explicit CircleFinder(const IncludeGraph& graph) : m_graph(graph) {}

    QStringList find() {
        for (auto it = m_graph.cbegin(); it != m_graph.cend(); ++it)
            visit(it.key());
        return m_circles;
    }

private:
    void visit(const QString& file) {
        if (m_done.contains(file))
            return;
        if (const qsizetype at = m_path.indexOf(file); at >= 0) {
            QStringList circle = m_path.mid(at) << file;
            for (QString& step : circle)
                step.prepend(QStringLiteral("src/"));
            m_circles << QStringLiteral("circle: ") + circle.join(QStringLiteral(" -> "));
            return;
        }
        m_path << file;
        for (const QString& header : m_graph.value(file))
            if (m_graph.contains(header))
                visit(header);
        m_path.removeLast();
        m_done.insert(file);
    }

    const IncludeGraph& m_graph;
    QStringList m_path;
    QSet<QString> m_done;
    QStringList m_circles;
};

} // namespace

IncludeGraph read(const QString& root) {
    const QDir tree(root);
    const QStringList folders = tree.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"(\w+)/([^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    IncludeGraph graph;
    QDirIterator files(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QStringList& headers = graph[tree.relativeFilePath(file.fileName())];
        auto matches = include.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            if (folders.contains(match.captured(1)))
                headers << match.captured(1) + u'/' + match.captured(2);
        }
    }
    return graph;
}

QStringList wrongWayIncludes(const IncludeGraph& graph) {
    QStringList found;
    QStringList unplaced;
    for (auto it = graph.cbegin(); it != graph.cend(); ++it) {
        const QString from = folderOf(it.key());
        for (const QString& header : it.value()) {
            const QString to = folderOf(header);
            const QString line = QStringLiteral("src/%1 includes %2 (%3)").arg(it.key(), header);
            if (layerOf(from) < 0 || layerOf(to) < 0)
                unplaced << (layerOf(from) < 0 ? from : to);
            else if (layerOf(from) < layerOf(to))
                found << line.arg(from + QStringLiteral(" is below ") + to);
            else if (layerOf(from) == layerOf(to) && from != to)
                found << line.arg(from + QStringLiteral(" and ") + to + QStringLiteral(" are peers"));
        }
    }
    unplaced.removeDuplicates();
    for (const QString& folder : unplaced)
        found << QStringLiteral("src/%1 is in no layer").arg(folder);
    return found;
}

QStringList circles(const IncludeGraph& graph) { return CircleFinder(graph).find(); }

} // namespace Layers
