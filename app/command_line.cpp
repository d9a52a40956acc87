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
    {"--json", RunMode::Json, false},   {"--pdf", RunMode::Pdf, true},
    {"--png", RunMode::Png, true},      {"--batch", RunMode::Batch, true},
    {"--batch-worker", RunMode::BatchWorker, false},
    {"--help", RunMode::Help, false},   {"-h", RunMode::Help, false},
    {"--version", RunMode::Version, false},
};

constexpr int kMaxJobs = 256;

bool isBatch(RunMode mode)
{
    return mode == RunMode::Batch || mode == RunMode::BatchWorker;
}

} // namespace

std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    // In a batch --png is a switch, not the name of a folder.
    const bool batch = arguments.contains(QLatin1String("--batch"))
        || arguments.contains(QLatin1String("--batch-worker"));
    bool modeGiven = false;
    bool dpiGiven = false;
    bool dataGiven = false;
    bool outGiven = false;
    bool jobsGiven = false;
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
            dataGiven = true;
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
        if (arg == QLatin1String("--out")) {
            const auto dir = value();
            if (!dir || dir->isEmpty())
                return CommandLineError{QStringLiteral("--out needs a folder name")};
            line.output = *dir;
            outGiven = true;
            continue;
        }
        if (arg == QLatin1String("--jobs")) {
            const auto text = value();
            bool ok = false;
            const int jobs = text ? text->toInt(&ok) : 0;
            if (!ok || jobs < 1 || jobs > kMaxJobs)
                return CommandLineError{
                    QStringLiteral("--jobs needs a whole number from 1 to %1").arg(kMaxJobs)};
            line.jobs = jobs;
            jobsGiven = true;
            continue;
        }
        if (batch && arg == QLatin1String("--png")) {
            line.batchPng = true;
            continue;
        }
        const ModeOption *mode = nullptr;
        for (const ModeOption &m : kModes)
            if (arg == QLatin1String(m.name))
                mode = &m;
        if (!mode)
            return CommandLineError{QStringLiteral("unknown option: %1").arg(arg)};
        if (modeGiven)
            return CommandLineError{
                QStringLiteral("only one of --json, --pdf, --png, --batch may be given")};
        modeGiven = true;
        line.mode = mode->mode;
        if (mode->takesValue) {
            const auto out = value();
            if (!out || out->isEmpty())
                return CommandLineError{QStringLiteral("%1 needs %2")
                                            .arg(arg, mode->mode == RunMode::Batch
                                                     ? QStringLiteral("a folder name")
                                                     : QStringLiteral("an output name"))};
            (mode->mode == RunMode::Batch ? line.batchInput : line.output) = *out;
        }
    }
    if (dpiGiven && line.mode != RunMode::Png && !(isBatch(line.mode) && line.batchPng))
        return CommandLineError{QStringLiteral("--dpi goes with --png")};
    if (outGiven && line.mode != RunMode::Batch)
        return CommandLineError{QStringLiteral("--out goes with --batch")};
    if (jobsGiven && line.mode != RunMode::Batch)
        return CommandLineError{QStringLiteral("--jobs goes with --batch")};
    if (dataGiven && isBatch(line.mode))
        return CommandLineError{
            QStringLiteral("--batch reads every data file of its folder: no --data")};
    if (line.mode == RunMode::Batch && !outGiven)
        return CommandLineError{QStringLiteral("--batch needs --out OUT_DIR")};
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
               "       %1 --batch IN_DIR --out OUT_DIR [--jobs N] [--png [--dpi N]]\n"
               "                                  for every IN_DIR/NAME.TXT (or .txt) write\n"
               "                                  OUT_DIR/NAME.pdf (--png: OUT_DIR/NAME/page-N.png)\n"
               "                                  and OUT_DIR/summary.csv, N at a time (one per core)\n"
               "       %1 --help | --version\n")
        .arg(programName);
}

} // namespace monit12
