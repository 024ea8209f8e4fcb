#include "startup/server_setting.h"

#include "ui/user_settings.h"

namespace ServerSetting {

namespace {
const QString Key = QStringLiteral("ProgramConst/MeetServer");
}

QString read() {
    return UserSettings().value(Key).toString().trimmed();
}

bool write(const QString& uri) {
    UserSettings settings;
    if (uri.isEmpty())
        settings.remove(Key);
    else
        settings.setValue(Key, uri);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace ServerSetting
