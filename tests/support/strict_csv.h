#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A strict reader of comma-separated text: records end in CR LF, a quoted field doubles its
// quotes, and anything else (a bare LF, a quote inside an unquoted field, text after a
// closing quote, a missing last CR LF) makes it fail with `error` set.
namespace StrictCsv {

inline QList<QStringList> read(const QByteArray& bytes, QString* error) {
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    auto fail = [&](const QString& why, qsizetype at) {
        *error = QStringLiteral("%1 at character %2").arg(why).arg(at);
        return QList<QStringList>{};
    };
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'"') {
            for (++i;; ++i) {
                if (i >= text.size())
                    return fail(QStringLiteral("unclosed quote"), i);
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < text.size() && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n') {
                if (text[i] == u'"')
                    return fail(QStringLiteral("quote inside an unquoted field"), i);
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == u',') {
            record << field;
            field.clear();
            ++i;
        } else if (text.mid(i, 2) == QLatin1String("\r\n")) {
            record << field;
            records << record;
            record.clear();
            field.clear();
            i += 2;
        } else {
            return fail(QStringLiteral("a record must end in CR LF"), i);
        }
    }
    if (!record.isEmpty() || !field.isEmpty())
        return fail(QStringLiteral("a record must end in CR LF"), i);
    error->clear();
    return records;
}

} // namespace StrictCsv
