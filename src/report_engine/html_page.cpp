#include "report_engine/html_page.h"

#include "report_engine/output_text.h"

namespace {

// Narrow screens scroll wide tables sideways inside their box instead of the whole page.
// Paper has no scrolling: pages print landscape in a smaller type, so the standings' every
// column fits, and no table row is split between pages.
const char* const PageStyle = R"(body { font-family: Arial, Helvetica, sans-serif; margin: 0.8em; color: #111; }
h1 { font-size: 1.4em; margin: 0.3em 0; }
h2 { font-size: 1.15em; margin: 1.2em 0 0.4em; border-bottom: 2px solid #444; }
p.note { color: #444; margin: 0.3em 0; }
nav a, li a { font-size: 1.1em; }
li { margin: 0.4em 0; }
.scroll { overflow-x: auto; -webkit-overflow-scrolling: touch; }
table { border-collapse: collapse; font-size: 0.9em; }
th, td { border: 1px solid #bbb; padding: 0.25em 0.4em; vertical-align: middle; }
th { background: #eee; }
td.number { text-align: right; }
tr.group th { text-align: left; background: #dde6f0; }
tr.group1 th { background: #f2f5f8; font-weight: normal; }
tr.total td { text-align: right; font-weight: bold; }
th img { display: block; margin: 0 auto; height: 7em; }
@page { size: landscape; margin: 1.2cm; }
@media print {
  body { margin: 0; }
  .scroll { overflow: visible; }
  table { font-size: 7pt; }
  th, td { padding: 0.1em 0.25em; }
  tr { page-break-inside: avoid; }
  nav { display: none; }
}
)";

} // namespace

namespace HtmlPage {

QString escaped(const QString& text) {
    return OutputText::cleaned(text).toHtmlEscaped().replace(u'\'', QStringLiteral("&#39;"));
}

QString document(const QString& title, const QString& body) {
    return QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
                          "<meta charset=\"utf-8\"/>\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
                          "<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n%3</body>\n</html>\n")
        .arg(escaped(title), QLatin1String(PageStyle), body);
}

} // namespace HtmlPage
