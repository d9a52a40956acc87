// The worker side of a batch: a process of this same program, started by the batch run with the
// hidden option --batch-worker, that renders the data files it is sent one at a time.
//
// Each request on standard input is the data file's path and the output path, each ended by a
// NUL byte; each answer on standard output is one encoded BatchOutcome line, sent once the
// output is complete. The worker ends when its input ends. It ignores SIGINT, SIGTERM and
// SIGHUP: the batch run stops it by closing its input, so a statement begun is always finished.
#pragma once

#include "app/command_line.h"

#include <QByteArray>
#include <QString>

namespace monit12 {

QByteArray batchRequest(const QString &inputPath, const QString &outputPath);

int runBatchWorker(int argc, char *argv[], const CommandLine &line);

} // namespace monit12
