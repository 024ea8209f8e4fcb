#include "startup/server_setting.h"

#include <QSettings>

namespace ServerSetting {

QString read() {
    return QSettings(QStringLiteral("Corravin"), QStringLiteral("Corravin"))
        .value(QStringLiteral("ProgramConst/MeetServer"))
        .toString()
        .trimmed();
}

} // namespace ServerSetting
