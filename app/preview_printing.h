// Print and printer setup of one preview window: the printer they share, and what the user is
// told when there is nowhere to print.
#pragma once

#include "statement/recorded_document.h"

#include <QPrinter>

#include <memory>

class QWidget;

namespace monit12 {

class CompositeReport;
class FontBook;

class PreviewPrinting
{
public:
    PreviewPrinting(CompositeReport &composite, const FontBook &fonts);
    ~PreviewPrinting();

    // The printer that printer setup configures and print uses.
    QPrinter &printer() { return *m_printer; }

    // Lays the statement out afresh onto the printer, or replays `loaded` when given. With no
    // printer installed and no file chosen, offers printing to a PDF file through the dialog.
    void print(QWidget *parent, const RecordedDocument *loaded, int currentSheet, int sheetCount);

    // The print dialog; what it chooses applies to the prints that follow.
    void printerSetup(QWidget *parent, int sheetCount);

private:
    bool askForPrintDestination(QWidget *parent, int sheetCount);
    bool runPrintDialog(QWidget *parent, int sheetCount);

    CompositeReport &m_composite;
    const FontBook &m_fonts;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace monit12
