// The command line. Without arguments the program runs as the desktop program it is.
#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace monit12 {

enum class RunMode { Desktop, Json, Pdf, Png, Help, Version };

struct CommandLine
{
    RunMode mode = RunMode::Desktop;
    QString dataFile = QStringLiteral("KESTRAVO.TXT");
    QString output; // --pdf file or --png folder
    int dpi = 150;
};

struct CommandLineError
{
    QString message;
};

// Parses the arguments after the program name; a usage error comes back as its message.
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments);

QString usageText(const QString &programName);

} // namespace monit12
