#pragma once

#include <QString>
#include <QStringList>

class RunState;

// `publish --folder DIR`: writes the meet's results web pages into DIR. Answers the exit
// status: 0 done (the pages' paths on standard output), 1 refused (the message on
// standard error), 2 a bad argument.
namespace PublishCommand {

// The arguments after "publish" checked; empty when they are good.
QString usageError(const QStringList& arguments);

int run(RunState& state, const QStringList& arguments);

} // namespace PublishCommand
