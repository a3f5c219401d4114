#pragma once

#include <optional>

// Answers --help (and --help-all) and --version on standard output and
// refuses any other argument with a line on standard error. Returns the exit
// code when the program is to stop here, nothing when it is to start.
std::optional<int> answerCommandLine(int argc, char* argv[]);
