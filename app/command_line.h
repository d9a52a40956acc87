// The command line. Without arguments the program runs as the desktop program it is.
#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace monit12 {

// BatchWorker is the internal mode of the processes that a batch run starts; it is not listed
// in the usage text.
enum class RunMode { Desktop, Json, Pdf, Png, Batch, BatchWorker, Help, Version };

struct CommandLine
{
    RunMode mode = RunMode::Desktop;
    QString dataFile = QStringLiteral("KESTRAVO.TXT");
    QString output; // --pdf file, --png folder, or the --out folder of --batch
    int dpi = 150;
    QString batchInput; // the --batch folder of data files
    int jobs = 0;       // --jobs; 0: one per available core
    bool batchPng = false; // --batch with --png: PNG sheets instead of PDF files
};

struct CommandLineError
{
    QString message;
};

// Parses the arguments after the program name; a usage error comes back as its message.
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments);

QString usageText(const QString &programName);

} // namespace monit12
