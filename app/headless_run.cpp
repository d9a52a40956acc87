#include "app/headless_run.h"

#include "app/json_statement.h"
#include "app/message_boxes.h"
#include "data/data_error.h"
#include "data/kestravo_file.h"
#include "data/regional_settings.h"

#include <cstdio>

namespace monit12 {

namespace {

void reportError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

int runHeadless(int, char *[], const QString &, const CommandLine &line)
{
    if (!dataFileExists(line.dataFile.toStdString())) {
        reportError(missingFileMessage(line.dataFile));
        return 1;
    }
    const Separators separators = separatorsFromEnvironment();
    try {
        switch (line.mode) {
        case RunMode::Json: {
            const QByteArray json = statementJson(line.dataFile, separators);
            std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        default:
            reportError(QStringLiteral("not available in this build"));
            return 1;
        }
    } catch (const DataFileError &error) {
        reportError(errorBoxText(QString::fromUtf8(error.what())));
        return 1;
    }
}

} // namespace monit12
