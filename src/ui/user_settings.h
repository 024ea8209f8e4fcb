#pragma once

#include <QSettings>

// What this program keeps for each user between runs (the region letter, the meet server, the
// publishing folder and choice), all under the one name it is stored by.
class UserSettings : public QSettings {
public:
    UserSettings() : QSettings(QStringLiteral("Corravin"), QStringLiteral("Corravin")) {}
};
