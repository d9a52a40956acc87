// monit12: the monitoring statement of the 2012 domestic stability pact, from KESTRAVO.TXT.
#include "app/application_title.h"
#include "app/batch_run.h"
#include "app/batch_worker.h"
#include "app/command_line.h"
#include "app/desktop_run.h"
#include "app/headless_run.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace monit12;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString title = applicationTitleFor(QString::fromLocal8Bit(argv[0]));

    const auto parsed = parseCommandLine(arguments);
    if (const auto *error = std::get_if<CommandLineError>(&parsed)) {
        std::fprintf(stderr, "%s: %s\n%s", qPrintable(title), qPrintable(error->message),
                     qPrintable(usageText(title)));
        return 2;
    }
    const CommandLine &line = std::get<CommandLine>(parsed);
    switch (line.mode) {
    case RunMode::Desktop:
        return runDesktop(argc, argv, title);
    case RunMode::Help:
        std::fputs(qPrintable(usageText(title)), stdout);
        return 0;
    case RunMode::Version:
        std::printf("%s %s\n", qPrintable(title), MONIT12_VERSION);
        return 0;
    case RunMode::Batch:
        return runBatch(argv[0], title, line);
    case RunMode::BatchWorker:
        return runBatchWorker(argc, argv, line);
    default:
        return runHeadless(argc, argv, title, line);
    }
}
