#include "batch_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// gtest shows QStrings as text, not as arrays of code units.
void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace monit12::test {

void prepareMonit12(QProcess &process, const QString &locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_NUMERIC"));
    env.remove(QStringLiteral("LANG"));
    env.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral(MONIT12_BINARY));
}

ProgramRun runMonit12(const QStringList &arguments, const QString &locale)
{
    QProcess process;
    prepareMonit12(process, locale);
    process.setArguments(arguments);
    process.start();
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        ADD_FAILURE() << "monit12 " << arguments.join(' ').toStdString() << " did not end normally";
    return { process.exitCode(), process.readAllStandardError(), process.readAllStandardOutput() };
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeGenerated(const QString &dir, const std::vector<GeneratedDataFile> &files)
{
    QDir().mkpath(dir);
    for (const GeneratedDataFile &file : files)
        writeFile(QDir(dir).filePath(QString::fromStdString(file.name)),
            QByteArray::fromStdString(file.bytes));
}

std::vector<QStringList> parseCsv(const QByteArray &csv)
{
    const QString text = QString::fromUtf8(csv);
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
            record << field;
            field.clear();
            records.push_back(record);
            record.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        ADD_FAILURE() << "the CSV does not end in CR LF";
    return records;
}

std::vector<QByteArray> rasterize(const QString &pdf)
{
    QTemporaryDir dir;
    QProcess poppler;
    poppler.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), pdf,
            dir.filePath(QStringLiteral("page")) });
    if (!poppler.waitForFinished(60000) || poppler.exitCode() != 0)
        ADD_FAILURE() << "pdftoppm failed on " << pdf.toStdString();
    std::vector<QByteArray> pages;
    for (const QString &name : entries(dir.path()))
        pages.push_back(readFile(dir.filePath(name)));
    return pages;
}

QStringList entries(const QString &dir)
{
    QStringList names = QDir(dir).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

} // namespace monit12::test
