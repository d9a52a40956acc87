#include "app/print_job.h"

#include "statement/composite_report.h"

#include <QPainter>
#include <QPrinter>

namespace monit12 {

void preparePrinter(QPrinter &printer)
{
    printer.setPageLayout(fullPageA4());
    printer.setFullPage(true);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPaperSource(QPrinter::Auto);
    printer.setCollateCopies(false);
    printer.setDocName(QString());
}

bool hasPrintDestination(const QPrinter &printer)
{
    // Without a printer Qt falls back to PDF output, which needs a file name to go anywhere.
    return printer.outputFormat() == QPrinter::NativeFormat || !printer.outputFileName().isEmpty();
}

SheetRange sheetRangeOf(const QPrinter &printer, int currentSheet)
{
    switch (printer.printRange()) {
    case QPrinter::PageRange:
        return { printer.fromPage(), printer.toPage() };
    case QPrinter::CurrentPage:
        return { currentSheet, currentSheet };
    default:
        return {};
    }
}

int printComposite(
    CompositeReport &composite, const FontBook &fonts, QPrinter &printer, SheetRange range)
{
    // The list left by the last pass only grows here; the pass below empties and refills it.
    composite.callAddReports();
    if (composite.reports().empty())
        return 0;
    preparePrinter(printer);
    PagedDeviceSink sink(printer, fonts, range);
    composite.generate(sink);
    return sink.sheetsSent();
}

int printRecorded(const RecordedDocument &document, QPrinter &printer, SheetRange range)
{
    preparePrinter(printer);
    printer.setPageSize(document.pageSize);
    PagedSheets sheets(printer, range);
    for (const QPicture &sheet : document.sheets)
        if (QPainter *painter = sheets.beginSheet())
            paintRecordedSheet(*painter, sheet);
    sheets.end();
    return sheets.sheetsSent();
}

} // namespace monit12
