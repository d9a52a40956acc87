#include "app/batch_statement.h"

#include "app/message_boxes.h"
#include "statement/font_book.h"
#include "statement/statement_export.h"
#include "statement/tf_stampa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace monit12 {

namespace {

BatchOutcome figuresOf(const TFStampa &form)
{
    BatchOutcome outcome;
    outcome.written = true;
    outcome.municipality = form.caption(QStringLiteral("QRComunedi"));
    outcome.year = form.caption(QStringLiteral("QRLabel10"));
    outcome.efn = form.caption(QStringLiteral("EntrateFinaliNette"));
    outcome.sfn = form.caption(QStringLiteral("S3Spesefin"));
    outcome.sfin = form.caption(QStringLiteral("S5SaldoFin"));
    outcome.ob = form.caption(QStringLiteral("S9Obiettivo"));
    outcome.dif = form.caption(QStringLiteral("S10Dif"));
    outcome.verdict = form.caption(QStringLiteral("QRPATTO"));
    return outcome;
}

} // namespace

void removeBatchOutput(const QString &outputPath, BatchFormat format)
{
    if (format == BatchFormat::Pdf) {
        QFile::remove(outputPath);
        return;
    }
    // Only the sheets this program writes.
    QDir dir(outputPath);
    for (const QString &sheet : dir.entryList({ QStringLiteral("page-*.png") }, QDir::Files))
        dir.remove(sheet);
    QDir().rmdir(outputPath);
}

BatchOutcome renderBatchStatement(
    const FontBook &fonts, const Separators &separators, const BatchJob &job)
{
    std::optional<QString> failure;
    try {
        const QString fileName = QFileInfo(job.inputPath).fileName();
        TFStampa form(fonts, job.inputPath, separators,
            { [&] { failure = missingFileMessage(fileName); },
                [&](const QString &text) { failure = errorBoxText(text); } });
        if (!failure) {
            if (job.format == BatchFormat::Pdf)
                writeStatementPdf(form.QRCompositeReport1, fonts, job.outputPath);
            else
                writeStatementPngs(form.QRCompositeReport1, fonts, job.outputPath, job.dpi);
            return figuresOf(form);
        }
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    }
    removeBatchOutput(job.outputPath, job.format);
    return failedOutcome(*failure);
}

} // namespace monit12
