#include "startup/region_settings.h"

#include "ui/user_settings.h"

namespace RegionSettings {

namespace {
QString key() { return QStringLiteral("ProgramConst/RegionLetter"); }
} // namespace

QString read() {
    return UserSettings().value(key(), notSet()).toString();
}

void write(const QString& letter) {
    UserSettings settings;
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
