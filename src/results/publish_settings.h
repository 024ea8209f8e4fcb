#pragma once

#include <QString>

class RunState;

// Where this PC publishes the results pages, kept in the per-user settings, and whether it
// publishes them again after every placings save, so a browser on any PC that reads that
// folder shows the results as they stand.
namespace PublishSettings {

QString folder(); // empty until a folder is chosen
bool afterPlacingsSave();
void write(const QString& folder, bool afterPlacingsSave);

// After a placings save: the pages are written again when the secretary asked for it. A
// failure is told as such; the placings stay saved.
void publishAfterPlacingsSave(RunState& state);

} // namespace PublishSettings
