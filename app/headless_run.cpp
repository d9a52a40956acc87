#include "app/headless_run.h"

#include "app/json_statement.h"
#include "app/message_boxes.h"
#include "data/data_error.h"
#include "data/kestravo_file.h"
#include "data/regional_settings.h"
#include "statement/font_book.h"
#include "statement/font_files.h"
#include "statement/statement_export.h"
#include "statement/tf_stampa.h"

#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace monit12 {

namespace {

void reportError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int runJson(const CommandLine &line, const Separators &separators)
{
    try {
        const QByteArray json = statementJson(line.dataFile, separators);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const DataFileError &error) {
        reportError(errorBoxText(QString::fromUtf8(error.what())));
        return 1;
    }
}

// A partly filled statement is no statement: on any reading error nothing is written.
int runExport(int argc, char *argv[], const CommandLine &line, const Separators &separators)
{
    // A run that opens no window needs no display, unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    usePrivateFontConfig();
    QGuiApplication application(argc, argv);
    try {
        const FontBook fonts;
        std::optional<QString> failure;
        TFStampa form(fonts, line.dataFile, separators,
                      {[&] { failure = missingFileMessage(line.dataFile); },
                       [&](const QString &text) { failure = errorBoxText(text); }});
        if (failure) {
            reportError(*failure);
            return 1;
        }
        if (line.mode == RunMode::Pdf)
            writeStatementPdf(form.QRCompositeReport1, fonts, line.output);
        else
            writeStatementPngs(form.QRCompositeReport1, fonts, line.output, line.dpi);
        return 0;
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
        return 1;
    }
}

} // namespace

int runHeadless(int argc, char *argv[], const QString &, const CommandLine &line)
{
    if (!dataFileExists(line.dataFile.toStdString())) {
        reportError(missingFileMessage(line.dataFile));
        return 1;
    }
    const Separators separators = separatorsFromEnvironment();
    if (line.mode == RunMode::Json)
        return runJson(line, separators);
    return runExport(argc, argv, line, separators);
}

} // namespace monit12
