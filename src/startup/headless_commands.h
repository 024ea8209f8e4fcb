#pragma once

struct CommandLine;
struct StartOptions;
class RunState;

// Runs a command given on the command line, with no window: the same start-up checks
// as the windowed program, then the command. Answers the process exit status.
int runHeadlessCommand(RunState& state, const StartOptions& options, const CommandLine& commandLine);
