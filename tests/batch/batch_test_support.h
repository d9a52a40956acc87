// Running the built program on folders of data files, and reading what it wrote.
#pragma once

#include "data_file_generator.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

void PrintTo(const QString &text, std::ostream *os);

namespace monit12::test {

struct ProgramRun
{
    int exitCode = -1;
    QByteArray err;
    QByteArray out;
};

// Runs monit12 with `arguments` under the given LC_ALL and waits for it to end.
ProgramRun runMonit12(
    const QStringList &arguments, const QString &locale = QStringLiteral("it_IT.UTF-8"));
// The same process setup, for runs that the test steers while they go on.
void prepareMonit12(QProcess &process, const QString &locale = QStringLiteral("it_IT.UTF-8"));

// Creates the folder when missing.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
void writeGenerated(const QString &dir, const std::vector<GeneratedDataFile> &files);

// RFC 4180 records; the header row is the first.
std::vector<QStringList> parseCsv(const QByteArray &csv);

// Each page of a PDF as a grey-scale image (PGM bytes) at 72 dpi, through poppler.
std::vector<QByteArray> rasterize(const QString &pdf);

// The sorted names in a folder, hidden ones included.
QStringList entries(const QString &dir);

} // namespace monit12::test
