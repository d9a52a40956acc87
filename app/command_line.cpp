#include "app/command_line.h"

#include <optional>

namespace monit12 {

namespace {

struct ModeOption
{
    const char *name;
    RunMode mode;
    bool takesValue;
};

constexpr ModeOption kModes[] = {
    {"--json", RunMode::Json, false}, {"--pdf", RunMode::Pdf, true},
    {"--png", RunMode::Png, true},    {"--help", RunMode::Help, false},
    {"-h", RunMode::Help, false},     {"--version", RunMode::Version, false},
};

} // namespace

std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool modeGiven = false;
    bool dpiGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (arg == QLatin1String("--data")) {
            const auto file = value();
            if (!file || file->isEmpty())
                return CommandLineError{QStringLiteral("--data needs a file name")};
            line.dataFile = *file;
            continue;
        }
        if (arg == QLatin1String("--dpi")) {
            const auto text = value();
            bool ok = false;
            const int dpi = text ? text->toInt(&ok) : 0;
            if (!ok || dpi < 30 || dpi > 1200)
                return CommandLineError{QStringLiteral("--dpi needs a whole number from 30 to 1200")};
            line.dpi = dpi;
            dpiGiven = true;
            continue;
        }
        const ModeOption *mode = nullptr;
        for (const ModeOption &m : kModes)
            if (arg == QLatin1String(m.name))
                mode = &m;
        if (!mode)
            return CommandLineError{QStringLiteral("unknown option: %1").arg(arg)};
        if (modeGiven)
            return CommandLineError{QStringLiteral("only one of --json, --pdf, --png may be given")};
        modeGiven = true;
        line.mode = mode->mode;
        if (mode->takesValue) {
            const auto out = value();
            if (!out || out->isEmpty())
                return CommandLineError{QStringLiteral("%1 needs an output name").arg(arg)};
            line.output = *out;
        }
    }
    if (dpiGiven && line.mode != RunMode::Png)
        return CommandLineError{QStringLiteral("--dpi goes with --png")};
    return line;
}

QString usageText(const QString &programName)
{
    return QStringLiteral(
               "Usage: %1                     show the statement for KESTRAVO.TXT in the working folder\n"
               "       %1 --json [--data FILE]   print the statement's texts and figures as JSON\n"
               "       %1 --pdf OUT.pdf [--data FILE]\n"
               "                                  write the statement as a two-page PDF/A-1b file\n"
               "       %1 --png DIR [--dpi N] [--data FILE]\n"
               "                                  write DIR/page-1.png and DIR/page-2.png (150 dpi)\n"
               "       %1 --help | --version\n")
        .arg(programName);
}

} // namespace monit12
