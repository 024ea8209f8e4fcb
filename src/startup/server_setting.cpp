#include "startup/server_setting.h"

#include <QSettings>

namespace ServerSetting {

namespace {
const QString Key = QStringLiteral("ProgramConst/MeetServer");
}

QString read() {
    return QSettings(QStringLiteral("Corravin"), QStringLiteral("Corravin")).value(Key).toString().trimmed();
}

bool write(const QString& uri) {
    QSettings settings(QStringLiteral("Corravin"), QStringLiteral("Corravin"));
    if (uri.isEmpty())
        settings.remove(Key);
    else
        settings.setValue(Key, uri);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace ServerSetting
