#pragma once

#include <QProcess>
#include <QString>

// The text of a PDF file as pdftotext lays it out, for tests that read what was printed.
inline QString pdfText(const QString& path) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}
