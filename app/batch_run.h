// The --batch run: every data file of a folder rendered by worker processes (one per core by
// default), the files that failed named on standard error, and OUT_DIR/summary.csv.
//
// Exit status: 0 every file written, 1 some failed, 2 a usage error or OUT_DIR not writable;
// stopped by SIGINT, SIGTERM or SIGHUP, 128 plus the signal's number once the statements begun
// are finished and the summary lists what was done.
#pragma once

#include "app/command_line.h"

#include <QString>

namespace monit12 {

int runBatch(const char *argv0, const QString &title, const CommandLine &line);

} // namespace monit12
