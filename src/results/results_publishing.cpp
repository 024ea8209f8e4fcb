#include "results/results_publishing.h"

#include "database/checked_file_writer.h"
#include "database/divisions.h"
#include "database/team_list.h"
#include "report_engine/html_page.h"
#include "report_engine/report_html.h"
#include "reports/print_registry.h"
#include "reports/report_output.h"
#include "results/results_reports.h"
#include "ui/run_state.h"

#include <QDir>

namespace {

QString publishedFileName(const QString& division) {
    return QStringLiteral("division-%1.html").arg(division.toLower());
}

// A report's section of a page: its heading and table, or the message given instead of it.
QString publishedSection(const QString& heading, const PreparedReport& prepared) {
    QString html = QStringLiteral("<h2>%1</h2>\n").arg(HtmlPage::escaped(heading));
    if (!prepared.report)
        return html + QStringLiteral("<p class=\"note\">%1</p>\n").arg(HtmlPage::escaped(prepared.message));
    return html + ReportHtml::table(*prepared.report);
}

QString publishedRegionNote(const RunState& state) {
    return state.CurrentRegion.isEmpty()
               ? QString()
               : QStringLiteral("<p class=\"note\">Region %1</p>\n").arg(HtmlPage::escaped(state.CurrentRegion));
}

} // namespace

namespace ResultsPublishing {

QList<Page> pages(RunState& state) {
    QList<Page> result;
    QString links;
    for (const QString& division : Divisions::letters()) {
        const int teams = static_cast<int>(TeamList::ofDivision(state.db(), division).size());
        if (teams == 0)
            continue;
        PrintRequest request;
        request.division = division;
        const QString title = QStringLiteral("Division %1 Results").arg(division);
        const QString body = QStringLiteral("<nav><a href=\"index.html\">All divisions</a></nav>\n<h1>%1</h1>\n")
                                 .arg(HtmlPage::escaped(title)) +
                             publishedRegionNote(state) +
                             publishedSection(QStringLiteral("Team Standings"),
                                              ResultsReports::prepareStandings(state, request)) +
                             publishedSection(QStringLiteral("High-Point Riders"),
                                              ResultsReports::prepareHighPoint(state, request)) +
                             publishedSection(QStringLiteral("Individual Results"),
                                              ResultsReports::prepareRiderResults(state, request));
        result.append({publishedFileName(division), HtmlPage::document(title, body)});
        links += QStringLiteral("<li><a href=\"%1\">Division %2</a> (%3)</li>\n")
                     .arg(publishedFileName(division), HtmlPage::escaped(division),
                          teams == 1 ? QStringLiteral("1 team") : QStringLiteral("%1 teams").arg(teams));
    }
    if (result.isEmpty())
        return result;
    const QString title = QStringLiteral("Meet Results");
    result.append({QStringLiteral("index.html"),
                   HtmlPage::document(title, QStringLiteral("<h1>%1</h1>\n").arg(title) + publishedRegionNote(state) +
                                                 QStringLiteral("<ul>\n%1</ul>\n").arg(links))});
    return result;
}

Outcome publish(RunState& state, const QString& folder) {
    Outcome outcome;
    const QList<Page> all = pages(state);
    if (all.isEmpty()) {
        outcome.refusal = Refusal::because(QStringLiteral("There are currently no teams entered."));
        return outcome;
    }
    const QDir target(folder);
    if (!QDir().mkpath(target.absolutePath())) {
        outcome.refusal =
            Refusal::because(QStringLiteral("The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder)));
        return outcome;
    }
    for (const Page& page : all)
        if (const Refusal refused = ReportOutput::refusal(state, target.absoluteFilePath(page.fileName))) {
            outcome.refusal = refused;
            return outcome;
        }
    for (const Page& page : all) {
        const QString path = target.absoluteFilePath(page.fileName);
        if (const Refusal failed = CheckedFileWriter::write(path, page.html.toUtf8())) {
            outcome.refusal = Refusal::because(QStringLiteral("The results could not be written to %1: %2")
                                                   .arg(QDir::toNativeSeparators(path), failed.why()));
            return outcome;
        }
        outcome.written << path;
    }
    return outcome;
}

} // namespace ResultsPublishing
