#pragma once

struct CommandLine;
struct StartOptions;
class RunState;

// Answers a command line that runs nothing: its usage error (status 2), the usage text asked
// for with --help or the version with --version (status 0). Needs no application object.
int answerCommandLine(const CommandLine& commandLine);

// Runs a command given on the command line, with no window: the same start-up checks
// as the windowed program, then the command. Answers the process exit status.
int runHeadlessCommand(RunState& state, const StartOptions& options, const CommandLine& commandLine);
