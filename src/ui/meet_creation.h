#pragma once

class MeetLocation;
class QString;

// Creating a meet database as the program does: tables, class line-up and the label
// images drawn at the screen's scale.
namespace MeetCreation {

// Creates the meet database at `path` unless a file is there; answers whether it did.
// Throws DbException or std::runtime_error on failure.
bool build(const QString& programFolder, const QString& path);

// The same for a meet on a server: creates the meet in an empty database; the label images are
// drawn whenever this station lacks some of them. Answers whether it created the meet.
bool build(const QString& programFolder, const MeetLocation& location);

} // namespace MeetCreation
