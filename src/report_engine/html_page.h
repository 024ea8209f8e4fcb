#pragma once

#include <QString>

// A whole web page of the program's own: XHTML-compatible, so it reads as well-formed
// XML; no script; styled for a phone's width and for printing.
namespace HtmlPage {

// Text for HTML content and quoted attribute values: cleaned of what a page must not hold
// (OutputText), then &, <, >, " and ' escaped.
QString escaped(const QString& text);

// The page with `title` (escaped here) in its head and `body`, which must already be HTML.
QString document(const QString& title, const QString& body);

} // namespace HtmlPage
