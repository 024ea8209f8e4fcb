#include "report_engine/text_fit.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int TwipsPerPoint = 20;

double fitReadable(const ReportFont& wanted) {
    return std::min(wanted.points, TextFit::ReadablePoints);
}

// The sizes tried, largest first: steps of a tenth of the text's own size, the readable
// size among them, and none below 60%.
QList<double> fitSizes(const ReportFont& wanted) {
    QList<double> sizes;
    for (const double shrink : {1.0, 0.9, 0.8, 0.7, 0.6})
        sizes << wanted.points * shrink;
    if (fitReadable(wanted) > sizes.back())
        sizes << fitReadable(wanted);
    std::sort(sizes.begin(), sizes.end(), std::greater<>());
    return sizes;
}

// Line breaks in a value print as blanks, as on one line.
QString fitOneParagraph(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : text)
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return text;
}

QString fitTrimmedEnd(QString line) {
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

// The text in lines no wider than `width`, each as full as it can be; empty when a piece
// between two break chances is wider than that on its own.
QStringList fitWrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u' ' || text[i] == u',' || text[i] == u'-') {
            pieces << text.mid(start, i + 1 - start);
            start = i + 1;
        }
    if (start < text.size())
        pieces << text.mid(start);
    QStringList lines;
    QString line;
    for (const QString& piece : pieces) {
        if (!line.isEmpty() && metrics.horizontalAdvance(fitTrimmedEnd(line + piece)) > width) {
            lines << fitTrimmedEnd(line);
            line.clear();
        }
        line += piece;
    }
    lines << fitTrimmedEnd(line);
    for (const QString& each : lines)
        if (metrics.horizontalAdvance(each) > width)
            return {};
    return lines;
}

} // namespace

namespace TextFit {

QFont font(const ReportFont& wanted, double points) {
    QFont font(wanted.family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * TwipsPerPoint))));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

FittedText fit(const QString& value, const ReportFont& wanted, const QSizeF& place) {
    const QString text = fitOneParagraph(value);
    const double readable = fitReadable(wanted);
    const QList<double> sizes = fitSizes(wanted);
    for (const double points : sizes) {
        const QFont set = font(wanted, points);
        const QFontMetricsF metrics(set);
        if (metrics.horizontalAdvance(text) <= place.width())
            return {set, points, {text}, points >= readable, false};
        const QStringList lines = fitWrapped(text, metrics, place.width());
        if (lines.size() > 1 && lines.size() * metrics.lineSpacing() <= place.height())
            return {set, points, lines, points >= readable, false};
    }
    const double smallest = sizes.back();
    const QFont set = font(wanted, smallest);
    const QString shortened = QFontMetricsF(set).elidedText(text, Qt::ElideRight, place.width());
    return {set, smallest, {shortened}, smallest >= readable, true};
}

double readableHeight(const QString& value, const ReportFont& wanted, double width) {
    const QString text = fitOneParagraph(value);
    const QFontMetricsF metrics(font(wanted, fitReadable(wanted)));
    const QStringList lines = fitWrapped(text, metrics, width);
    return static_cast<double>(std::max<qsizetype>(1, lines.size())) * metrics.lineSpacing();
}

} // namespace TextFit
