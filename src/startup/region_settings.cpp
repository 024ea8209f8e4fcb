#include "startup/region_settings.h"

#include <QSettings>

namespace RegionSettings {

namespace {
QString key() { return QStringLiteral("ProgramConst/RegionLetter"); }
} // namespace

QString read() {
    return QSettings(QStringLiteral("Corravin"), QStringLiteral("Corravin")).value(key(), notSet()).toString();
}

void write(const QString& letter) {
    QSettings settings(QStringLiteral("Corravin"), QStringLiteral("Corravin"));
    settings.setValue(key(), letter);
    settings.sync();
}

QString validate(const QString& letter) {
    // The letter becomes part of the export file name, on Windows as well as here.
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : letter)
        if (forbidden.contains(c) || c.unicode() < 0x20)
            return QStringLiteral("The Region may not contain any of the characters \\ / : * ? \" < > | "
                                  "because it becomes part of the export file name.");
    return {};
}

} // namespace RegionSettings
