#include "app/preview_printing.h"

#include "app/message_boxes.h"
#include "app/preview_folders.h"
#include "app/print_job.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>

namespace monit12 {

PreviewPrinting::PreviewPrinting(CompositeReport &composite, const FontBook &fonts)
    : m_composite(composite)
    , m_fonts(fonts)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    preparePrinter(*m_printer);
}

PreviewPrinting::~PreviewPrinting() = default;

void PreviewPrinting::print(
    QWidget *parent, const RecordedDocument *loaded, int currentSheet, int sheetCount)
{
    if (!hasPrintDestination(*m_printer) && !askForPrintDestination(parent, sheetCount))
        return;
    const SheetRange range = sheetRangeOf(*m_printer, currentSheet);
    try {
        const int sent = loaded ? printRecorded(*loaded, *m_printer, range)
                                : printComposite(m_composite, m_fonts, *m_printer, range);
        if (sent == 0)
            showPlainMessage(parent,
                QStringLiteral("Nessun foglio del documento rientra nell'intervallo scelto."));
    } catch (const SheetOutputError &) {
        const QString where = m_printer->outputFileName().isEmpty()
            ? m_printer->printerName()
            : QDir::toNativeSeparators(m_printer->outputFileName());
        showErrorBox(parent, QStringLiteral("Impossibile stampare su %1").arg(where));
    }
}

bool PreviewPrinting::askForPrintDestination(QWidget *parent, int sheetCount)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(),
        QStringLiteral(
            "Nessuna stampante installata: il documento si può stampare solo su un file PDF."),
        QMessageBox::NoButton, parent);
    QPushButton *toPdf
        = box.addButton(QStringLiteral("Stampa su file PDF..."), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(toPdf);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() != toPdf)
        return false;
    return runPrintDialog(parent, sheetCount) && hasPrintDestination(*m_printer);
}

void PreviewPrinting::printerSetup(QWidget *parent, int sheetCount)
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        showPlainMessage(parent,
            QStringLiteral("Nessuna stampante installata: si può scegliere solo la stampa "
                           "su un file PDF."));
    runPrintDialog(parent, sheetCount);
}

bool PreviewPrinting::runPrintDialog(QWidget *parent, int sheetCount)
{
    const QString chosenFile = m_printer->outputFileName();
    // A PDF file is the only destination here: offer one rather than an empty name.
    if (!hasPrintDestination(*m_printer))
        m_printer->setOutputFileName(
            QDir(documentsFolder()).filePath(QStringLiteral("prospetto.pdf")));
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Imposta stampante"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
        | QAbstractPrintDialog::PrintCurrentPage);
    dialog.setMinMax(1, qMax(1, sheetCount));
    if (dialog.exec() == QDialog::Accepted)
        return true;
    m_printer->setOutputFileName(chosenFile);
    return false;
}

} // namespace monit12
