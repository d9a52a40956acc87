// The .qrp format: a saved document comes back sheet for sheet, and every kind of bad file is
// turned away with its own message.
#include "app/report_file.h"
#include "preview_test_support.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace monit12;

namespace {

const RecordedDocument &statementDocument()
{
    static FilledStatement statement;
    static const RecordedDocument document = recordStatement(statement.composite());
    return document;
}

QByteArray rehashed(QByteArray bytes)
{
    bytes.chop(32);
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray withU16At(QByteArray bytes, int offset, quint16 value)
{
    bytes[offset] = char(value >> 8);
    bytes[offset + 1] = char(value & 0xff);
    return rehashed(bytes);
}

// A well-formed file whose one sheet is not a recording.
QByteArray fileWithSheet(const QByteArray &sheet)
{
    QByteArray bytes("\x89QRP\r\n\x1a\n", 8);
    QDataStream out(&bytes, QIODevice::Append);
    out << quint16(1) << quint16(QDataStream::Qt_6_0) << quint32(1) << quint32(210000)
        << quint32(297000) << quint64(4 + sheet.size()) << quint32(sheet.size());
    out.writeRawData(sheet.constData(), int(sheet.size()));
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("prova.qrp"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(ReportFile, SavedDocumentComesBackSheetForSheet)
{
    const RecordedDocument &original = statementDocument();
    ASSERT_EQ(original.sheets.size(), 2u);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prospetto.qrp"));
    writeReportFile(original, path);
    const RecordedDocument loaded = readReportFile(path);

    ASSERT_EQ(loaded.sheets.size(), 2u);
    EXPECT_TRUE(loaded.pageSize.isEquivalentTo(QPageSize(QPageSize::A4)));
    for (std::size_t i = 0; i < 2; ++i) {
        const QImage expected = sheetImage(original.sheets[i]);
        // Not a blank sheet, or the comparison would prove nothing.
        EXPECT_GT(inkPixels(expected), 1000) << "sheet " << i + 1;
        EXPECT_EQ(sheetImage(loaded.sheets[i]), expected) << "sheet " << i + 1;
    }
    // The two sheets differ, so a swap would be caught.
    EXPECT_NE(sheetImage(loaded.sheets[0]), sheetImage(loaded.sheets[1]));
}

TEST(ReportFile, BadFilesAreRejectedWithTheirMessage)
{
    const QByteArray good = encodeReportFile(statementDocument());
    const int sheetsAt = 32;
    QByteArray flippedInSheet = good;
    flippedInSheet[sheetsAt + 100] = char(flippedInSheet[sheetsAt + 100] ^ 0x01);
    QByteArray flippedInChecksum = good;
    flippedInChecksum[good.size() - 1] = char(flippedInChecksum[good.size() - 1] ^ 0x80);
    const quint16 thisQt = quint16(QDataStream::Qt_DefaultCompiledVersion);

    const QString incomplete = QStringLiteral("Il file di report %1 è incompleto.");
    const QString damaged = QStringLiteral("Il file di report %1 è danneggiato.");
    const QString foreign = QStringLiteral("Il file %1 non è un file di report.");
    const QString newer
        = QStringLiteral("Il file di report %1 è stato scritto da una versione più recente "
                         "del programma e non può essere letto.");
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString message;
    } cases[] = {
        { "empty file", QByteArray(), incomplete },
        { "cut inside the magic", good.left(5), incomplete },
        { "cut inside the header", good.left(20), incomplete },
        { "cut inside a sheet", good.left(good.size() / 2), incomplete },
        { "checksum cut short", good.left(good.size() - 10), incomplete },
        { "one bit flipped in a sheet", flippedInSheet, damaged },
        { "one bit flipped in the checksum", flippedInChecksum, damaged },
        { "bytes after the checksum", good + "xyz", damaged },
        { "a sheet that is no recording", fileWithSheet(QByteArray(64, 'x')), damaged },
        { "a PDF file", QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n"), foreign },
        { "the data file", dataFileFor("COMUNE DI PROVA"), foreign },
        { "a copy through a text-mode transfer", QByteArray(good).replace("\r\n", "\n"), foreign },
        { "format version 2", withU16At(good, 8, 2), newer },
        { "recordings from a later Qt", withU16At(good, 10, thisQt + 1), newer },
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        const QString path = writeFile(dir, c.bytes);
        try {
            readReportFile(path);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const ReportFileError &error) {
            EXPECT_EQ(
                QString::fromStdString(error.what()), c.message.arg(QDir::toNativeSeparators(path)))
                << c.name;
        }
    }
}

TEST(ReportFile, MissingFileAndUnwritablePlaceAreReported)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nessuno.qrp"));
    try {
        readReportFile(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const ReportFileError &error) {
        EXPECT_TRUE(
            QString::fromStdString(error.what())
                .startsWith(
                    QStringLiteral("Impossibile aprire il file di report %1 (").arg(missing)));
    }
    const QString nowhere = dir.filePath(QStringLiteral("manca/prospetto.qrp"));
    try {
        writeReportFile(statementDocument(), nowhere);
        ADD_FAILURE() << "a file was written into a missing folder";
    } catch (const ReportFileError &error) {
        EXPECT_TRUE(
            QString::fromStdString(error.what())
                .startsWith(
                    QStringLiteral("Impossibile salvare il file di report %1 (").arg(nowhere)));
    }
}
