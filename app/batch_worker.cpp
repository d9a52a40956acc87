#include "app/batch_worker.h"

#include "statement/font_book.h"
#include "app/batch_statement.h"
#include "data/regional_settings.h"
#include "statement/font_files.h"

#include <QFile>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <optional>

namespace monit12 {

namespace {

// Qt's warnings would break into the batch's progress line; only its errors go through.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

std::optional<QString> readField(std::FILE *in)
{
    char *buffer = nullptr;
    std::size_t capacity = 0;
    const ssize_t length = getdelim(&buffer, &capacity, '\0', in);
    std::optional<QString> field;
    // A field must end in its NUL: a cut request is no request.
    if (length > 0 && buffer[length - 1] == '\0')
        field = QFile::decodeName(QByteArray(buffer, length - 1));
    std::free(buffer);
    return field;
}

} // namespace

QByteArray batchRequest(const QString &inputPath, const QString &outputPath)
{
    return QFile::encodeName(inputPath) + '\0' + QFile::encodeName(outputPath) + '\0';
}

int runBatchWorker(int argc, char *argv[], const CommandLine &line)
{
    for (const int signal : { SIGINT, SIGTERM, SIGHUP })
        std::signal(signal, SIG_IGN);
    // A batch run that has gone away shows as a failed write, not as a fatal signal.
    std::signal(SIGPIPE, SIG_IGN);
    // Each statement allocates and frees the same large buffers (page contents, font subsets):
    // kept in the heap they are not mapped, faulted in and unmapped again every time.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    usePrivateFontConfig();
    QGuiApplication application(argc, argv);
    const Separators separators = separatorsFromEnvironment();

    // Missing font files fail every statement with the same text, as --pdf would fail.
    std::unique_ptr<FontBook> fonts;
    QString fontError;
    try {
        fonts = std::make_unique<FontBook>();
    } catch (const std::exception &error) {
        fontError = QString::fromUtf8(error.what());
    }

    BatchJob job;
    job.format = line.batchPng ? BatchFormat::Png : BatchFormat::Pdf;
    job.dpi = line.dpi;
    for (;;) {
        const auto input = readField(stdin);
        const auto output = input ? readField(stdin) : std::nullopt;
        if (!output)
            return 0;
        job.inputPath = *input;
        job.outputPath = *output;
        const BatchOutcome outcome
            = fonts ? renderBatchStatement(*fonts, separators, job) : failedOutcome(fontError);
        const QByteArray answer = encodeOutcome(outcome);
        if (std::fwrite(answer.constData(), 1, std::size_t(answer.size()), stdout)
                != std::size_t(answer.size())
            || std::fflush(stdout) != 0)
            return 1;
    }
}

} // namespace monit12
