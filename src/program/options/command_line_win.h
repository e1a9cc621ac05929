#pragma once
// The program's command line on Windows: read as UTF-16 whatever the system's code page, and the
// message box for --help or a refused argument.
#include <string>
#include <vector>

#include "options/countdown_options.h"

namespace pellomi {

inline constexpr int kExitBadArguments = 2;

// This process's arguments, the program's name left out.
std::vector<std::u16string> CommandLineArguments();

// Parses this process's command line.
OptionsOutcome ReadCommandLineOptions();

// Shows the usage (for a help request) or the refusal with the usage; returns the exit code:
// 0 after the usage, kExitBadArguments after a refusal.
int ShowOptionsBox(const OptionsOutcome& outcome);

}  // namespace pellomi
