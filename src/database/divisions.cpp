#include "database/divisions.h"

namespace Divisions {

const QStringList& letters() {
    static const QStringList all{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    return all;
}

bool isDivision(const QString& letter) { return letters().contains(letter); }

} // namespace Divisions
