// One data file of a batch, read, filled and written as the --pdf and --png runs do it.
#pragma once

#include "app/batch_inputs.h"
#include "app/batch_outcome.h"
#include "data/separators.h"

#include <QString>

namespace monit12 {

class FontBook;

struct BatchJob
{
    QString inputPath;
    QString outputPath;
    BatchFormat format = BatchFormat::Pdf;
    int dpi = 150; // PNG sheets only
};

// A file that cannot be read gets no statement: whatever an earlier run left at the output
// place is removed, so that no file there passes for this run's statement.
BatchOutcome renderBatchStatement(
    const FontBook &fonts, const Separators &separators, const BatchJob &job);

// Removes the PDF, or the PNG sheets and their folder if that leaves it empty.
void removeBatchOutput(const QString &outputPath, BatchFormat format);

} // namespace monit12
