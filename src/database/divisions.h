#pragma once

#include <QStringList>

// The four divisions a team competes in, in the order every chooser lists them.
namespace Divisions {

const QStringList& letters();
bool isDivision(const QString& letter);

} // namespace Divisions
