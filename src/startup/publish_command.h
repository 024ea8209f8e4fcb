#pragma once

#include <QString>

class RunState;

// `publish --folder DIR`: writes the meet's results web pages into DIR. Answers the exit
// status: 0 done (the pages' paths on standard output), 1 refused (the message on
// standard error).
namespace PublishCommand {

int run(RunState& state, const QString& folder);

} // namespace PublishCommand
