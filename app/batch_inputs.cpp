#include "app/batch_inputs.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace monit12 {

namespace {

bool isDataFileName(const QString &name)
{
    return name.endsWith(QLatin1String(".TXT")) || name.endsWith(QLatin1String(".txt"));
}

} // namespace

QString batchOutputName(const QString &fileName, BatchFormat format)
{
    const QString stem = fileName.chopped(4);
    return format == BatchFormat::Pdf ? stem + QLatin1String(".pdf") : stem;
}

std::vector<BatchInput> listBatchInputs(
    const QString &inDir, const QString &outDir, BatchFormat format)
{
    // Files only (symbolic links to files count), hidden ones too; no folders, pipes or devices.
    const QFileInfoList entries
        = QDir(inDir).entryInfoList(QDir::Files | QDir::Hidden, QDir::NoSort);
    std::vector<BatchInput> inputs;
    for (const QFileInfo &entry : entries) {
        if (isDataFileName(entry.fileName()))
            inputs.push_back({ entry.fileName(), entry.filePath(), {}, {} });
    }
    std::sort(inputs.begin(), inputs.end(),
        [](const BatchInput &a, const BatchInput &b) { return a.fileName < b.fileName; });
    QHash<QString, QString> writer; // output name -> the file that writes it
    for (BatchInput &input : inputs) {
        const QString outputName = batchOutputName(input.fileName, format);
        input.outputPath = QDir(outDir).filePath(outputName);
        const auto earlier = writer.constFind(outputName);
        if (earlier != writer.constEnd())
            input.clash = QStringLiteral("Il prospetto andrebbe in %1, che è già quello di %2.")
                              .arg(outputName, *earlier);
        else
            writer.insert(outputName, input.fileName);
    }
    return inputs;
}

} // namespace monit12
