#pragma once

#include <QString>

// The server a station's meet lives on, from the per-user settings store ("ProgramConst/MeetServer"):
// a URI in libpq's form, empty when the meet is the file in the program folder. Never a
// password: libpq reads that from ~/.pgpass or PGPASSWORD.
namespace ServerSetting {

QString read();
// Stores `uri` as this user's meet server; empty forgets it, so the meet is the file again.
// Answers whether the settings store took it.
bool write(const QString& uri);

} // namespace ServerSetting
