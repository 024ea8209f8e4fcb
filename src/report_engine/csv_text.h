#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Comma-separated text as spreadsheets read it: UTF-8, one record per line ending in CR LF,
// a field cleaned of control characters and open bidirectional overrides (OutputText), then
// quoted when it holds a comma, a quote, a line break or surrounding spaces, its quotes doubled.
namespace CsvText {

// A text field that a spreadsheet would take for a formula ("=", "+", "-", "@" first) is
// written with a leading apostrophe, so a name typed as a formula stays a name on opening.
// Numbers, negative ones too, are written as they are.
QString safeField(const QString& field);

QByteArray encode(const QList<QStringList>& records);

} // namespace CsvText
