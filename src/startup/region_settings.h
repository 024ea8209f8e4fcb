#pragma once

#include <QString>

// The region letter in the per-user settings store ("ProgramConst/RegionLetter").
namespace RegionSettings {

// "NA" means that no region has been set; it is also what an empty store answers.
inline QString notSet() { return QStringLiteral("NA"); }

QString read();
void write(const QString& letter);

// Empty when `letter` may become part of a file name; otherwise why it may not.
QString validate(const QString& letter);

} // namespace RegionSettings
