// The data files of a batch: every regular file of the input folder whose name ends in ".TXT"
// or ".txt", in name order, each with the place its statement is written to.
#pragma once

#include <QString>

#include <vector>

namespace monit12 {

enum class BatchFormat { Pdf, Png };

struct BatchInput
{
    QString fileName; // as listed in the folder, e.g. "CANTU.TXT"
    QString inputPath;
    QString outputPath; // OUT_DIR/CANTU.pdf, or the folder OUT_DIR/CANTU for PNG sheets
    // Set when an earlier file of the list already writes to outputPath ("a.TXT" and "a.txt"):
    // the error text this file gets instead of a statement.
    QString clash;
};

// "CANTU.TXT" -> "CANTU.pdf" (or "CANTU" for PNG sheets).
QString batchOutputName(const QString &fileName, BatchFormat format);

// Name order is the order of UTF-16 code units ("B.TXT" before "a.txt"), as `LC_ALL=C ls` gives.
std::vector<BatchInput> listBatchInputs(
    const QString &inDir, const QString &outDir, BatchFormat format);

} // namespace monit12
