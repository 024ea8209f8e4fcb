#include "report_engine/csv_text.h"

#include "report_engine/output_text.h"

namespace CsvText {

QString safeField(const QString& field) {
    if (field.isEmpty() || !QStringLiteral("=+-@").contains(field.front()))
        return field;
    bool number = false;
    field.toDouble(&number);
    return number ? field : u'\'' + field;
}

QByteArray encode(const QList<QStringList>& records) {
    QString text;
    for (const QStringList& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (i > 0)
                text += u',';
            const QString field = safeField(OutputText::cleaned(record[i]));
            const bool quoted = field.contains(u',') || field.contains(u'"') || field.contains(u'\n') ||
                                field.contains(u'\r') || field.startsWith(u' ') || field.endsWith(u' ');
            if (quoted)
                text += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                text += field;
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace CsvText
