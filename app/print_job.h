// Printing the statement from the preview: the printer's fixed settings, which sheets go out,
// and the two ways to fill the job (a fresh generation pass, or the recordings of a loaded file).
#pragma once

#include "statement/paged_device_sink.h"
#include "statement/recorded_document.h"

class QPrinter;

namespace monit12 {

class CompositeReport;
class FontBook;

// A4 portrait from the paper's edge, single-sided, automatic paper source, collation off,
// empty document name. Printer, copies and page range are left as printer setup chose them.
void preparePrinter(QPrinter &printer);

// False when the job would go nowhere: no printer installed and no output file chosen.
bool hasPrintDestination(const QPrinter &printer);

// The sheets to send, 1-based, from the printer's print range; currentSheet serves "current page".
SheetRange sheetRangeOf(const QPrinter &printer, int currentSheet);

// A generation pass straight onto the printer. Returns the sheets sent; throws SheetOutputError.
int printComposite(
    CompositeReport &composite, const FontBook &fonts, QPrinter &printer, SheetRange range);

// Replays recorded sheets onto the printer. Returns the sheets sent; throws SheetOutputError.
int printRecorded(const RecordedDocument &document, QPrinter &printer, SheetRange range);

} // namespace monit12
