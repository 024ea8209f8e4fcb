#include "report_engine/report_html.h"

#include "report_engine/html_page.h"
#include "report_engine/report.h"
#include "report_engine/report_table.h"

#include <QBuffer>

namespace {

// The picture a column names, from any section of the report; null when it has none.
QImage htmlColumnPicture(const Report& report, const QString& name) {
    if (name.isEmpty())
        return {};
    for (const ReportSection& section : report.sections())
        if (const ReportControl* control = section.control(name);
            control && control->kind == ReportControl::Kind::Image && control->visible)
            return control->image;
    return {};
}

QString htmlImage(const QImage& image, const QString& alt) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("<img alt=\"%1\" src=\"data:image/png;base64,%2\"/>")
        .arg(HtmlPage::escaped(alt), QString::fromLatin1(png.toBase64()));
}

// The words two headings share at their start ("Class 1" of "Class 1 Places" and "Class 1 Points").
QString htmlCommonWords(const QString& a, const QString& b) {
    const QStringList left = a.split(u' '), right = b.split(u' ');
    QStringList common;
    for (qsizetype i = 0; i < left.size() && i < right.size() && left[i] == right[i]; ++i)
        common << left[i];
    return common.join(u' ');
}

bool htmlNumeric(const QString& text) {
    bool number = false;
    text.toDouble(&number);
    return number;
}

// The header rows: one of pictures, spanning the neighbouring columns that share one,
// when any column has a picture; then one of headings.
QString htmlHeader(const Report& report, const ReportTable& table, const QList<int>& shown) {
    const QList<ReportColumn> columns = report.columns();
    QString pictures, headings;
    bool anyPicture = false;
    for (qsizetype s = 0; s < shown.size();) {
        const ReportColumn& column = columns[shown[s]];
        qsizetype end = s + 1;
        while (end < shown.size() && !column.picture.isEmpty() && columns[shown[end]].picture == column.picture)
            ++end;
        const QImage image = htmlColumnPicture(report, column.picture);
        QString prefix;
        if (end - s > 1)
            prefix = htmlCommonWords(column.heading, columns[shown[end - 1]].heading);
        if (image.isNull()) {
            pictures += end - s > 1
                            ? QStringLiteral("<th colspan=\"%1\">%2</th>").arg(end - s).arg(HtmlPage::escaped(prefix))
                            : QStringLiteral("<th></th>");
        } else {
            anyPicture = true;
            pictures +=
                QStringLiteral("<th colspan=\"%1\">%2%3</th>")
                    .arg(end - s)
                    .arg(htmlImage(image, prefix.isEmpty() ? column.heading : prefix), HtmlPage::escaped(prefix));
        }
        for (qsizetype i = s; i < end; ++i) {
            QString heading = table.headings[shown[i]];
            if (!prefix.isEmpty())
                heading = heading.mid(prefix.size()).trimmed();
            headings += QStringLiteral("<th>%1</th>").arg(HtmlPage::escaped(heading));
        }
        s = end;
    }
    QString header = QStringLiteral("<thead>\n");
    if (anyPicture)
        header += QStringLiteral("<tr>%1</tr>\n").arg(pictures);
    return header + QStringLiteral("<tr>%1</tr>\n</thead>\n").arg(headings);
}

} // namespace

namespace ReportHtml {

QString table(const Report& report) {
    const ReportTable table = ReportTable::of(report);
    // Group values head their groups, so the table's columns are the detail columns.
    QList<int> shown;
    for (int i = 0; i < table.columnLevels.size(); ++i)
        if (table.columnLevels[i] >= table.groups)
            shown << i;
    const int span = std::max<int>(1, static_cast<int>(shown.size()));

    QString html = QStringLiteral("<div class=\"scroll\">\n<table>\n") + htmlHeader(report, table, shown) +
                   QStringLiteral("<tbody>\n");
    for (const ReportTable::Line& line : table.lines) {
        switch (line.kind) {
        case ReportTable::LineKind::Group: {
            QStringList parts;
            for (int i = 0; i < line.cells.size(); ++i)
                if (!line.cells[i].isEmpty())
                    parts << HtmlPage::escaped(table.headings[i]) + QStringLiteral(": ") +
                                 HtmlPage::escaped(line.cells[i]);
            html += QStringLiteral("<tr class=\"group group%1\"><th colspan=\"%2\">%3</th></tr>\n")
                        .arg(line.level)
                        .arg(span)
                        .arg(parts.join(QStringLiteral(" &#183; ")));
            break;
        }
        case ReportTable::LineKind::Detail: {
            html += QStringLiteral("<tr>");
            for (const int i : shown) {
                const QString& cell = line.cells[i];
                html += htmlNumeric(cell) ? QStringLiteral("<td class=\"number\">%1</td>").arg(HtmlPage::escaped(cell))
                                          : QStringLiteral("<td>%1</td>").arg(HtmlPage::escaped(cell));
            }
            html += QStringLiteral("</tr>\n");
            break;
        }
        case ReportTable::LineKind::Total: {
            // The caption and the sums: the cells the values it closes left free.
            QStringList parts;
            for (int i = 0; i < line.cells.size(); ++i)
                if (table.columnLevels[i] > line.level && !line.cells[i].isEmpty())
                    parts << HtmlPage::escaped(line.cells[i]);
            html +=
                QStringLiteral("<tr class=\"total\"><td colspan=\"%1\">%2</td></tr>\n").arg(span).arg(parts.join(u' '));
            break;
        }
        }
    }
    return html + QStringLiteral("</tbody>\n</table>\n</div>\n");
}

} // namespace ReportHtml
