// Runs that open no window: --json, --pdf and --png.
#pragma once

#include "app/command_line.h"

namespace monit12 {

// Returns the exit status: 0 done, 1 the data file is missing or could not be read.
int runHeadless(int argc, char *argv[], const QString &title, const CommandLine &line);

} // namespace monit12
