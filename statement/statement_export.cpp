#include "statement/statement_export.h"

#include "statement/composite_report.h"
#include "statement/paged_device_sink.h"
#include "statement/sheet_recorder.h"

#include <QDir>
#include <QImageWriter>
#include <QPdfWriter>
#include <QSaveFile>

namespace monit12 {

namespace {

[[noreturn]] void fail(const QString &what, const QString &path, const QString &why)
{
    throw ExportError(QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), why).toStdString());
}

} // namespace

void writeStatementPdf(CompositeReport &composite, const FontBook &fonts, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Impossibile scrivere"), path, file.errorString());
    {
        QPdfWriter writer(&file);
        // Archival PDF: fonts embedded, colours opaque, identification in the metadata.
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setCreator(QStringLiteral("monit12"));
        writer.setResolution(1200);
        PagedDeviceSink sink(writer, fonts);
        composite.generate(sink);
    }
    if (!file.commit())
        fail(QStringLiteral("Impossibile scrivere"), path, file.errorString());
}

void writeStatementPngs(CompositeReport &composite, const FontBook &fonts, const QString &dir, int dpi)
{
    if (!QDir().mkpath(dir))
        fail(QStringLiteral("Impossibile creare la cartella"), dir, QStringLiteral("permesso negato"));
    SheetRecorder recorder(fonts);
    composite.generate(recorder);
    const RecordedDocument &document = recorder.document();
    for (std::size_t i = 0; i < document.sheets.size(); ++i) {
        const QString path = QDir(dir).filePath(QStringLiteral("page-%1.png").arg(i + 1));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            fail(QStringLiteral("Impossibile scrivere"), path, file.errorString());
        QImageWriter writer(&file, "png");
        // Qt maps 0..100 onto the zlib levels: 20 is level 1, fast, and the mostly white
        // sheets still shrink about twentyfold.
        writer.setCompression(20);
        if (!writer.write(renderSheetImage(document.sheets[i], dpi, document.pageSize)) || !file.commit())
            fail(QStringLiteral("Impossibile scrivere"), path, writer.errorString());
    }
}

} // namespace monit12
