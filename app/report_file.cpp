#include "app/report_file.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace monit12 {

namespace {

const QByteArray kMagic("\x89QRP\r\n\x1a\n", 8);
constexpr qsizetype kHeaderSize = 8 + 2 + 2 + 4 + 4 + 4 + 8;
constexpr qsizetype kHashSize = 32;
// Far above a two-sheet statement (about 100 KiB); keeps a stray huge file out of memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
constexpr quint32 kMaxSheets = 1000;
constexpr quint32 kMaxPageMicrometres = 2'000'000;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void fail(const QString &text)
{
    throw ReportFileError(text.toStdString());
}

[[noreturn]] void foreign(const QString &path)
{
    fail(QStringLiteral("Il file %1 non è un file di report.").arg(shown(path)));
}

[[noreturn]] void truncated(const QString &path)
{
    fail(QStringLiteral("Il file di report %1 è incompleto.").arg(shown(path)));
}

[[noreturn]] void corrupted(const QString &path)
{
    fail(QStringLiteral("Il file di report %1 è danneggiato.").arg(shown(path)));
}

[[noreturn]] void newer(const QString &path)
{
    fail(QStringLiteral(
        "Il file di report %1 è stato scritto da una versione più recente del programma "
        "e non può essere letto.")
             .arg(shown(path)));
}

quint32 micrometres(qreal mm)
{
    return quint32(qRound(mm * 1000));
}

QByteArray sha256(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

QByteArray encodeReportFile(const RecordedDocument &document)
{
    QByteArray sheets;
    {
        QDataStream out(&sheets, QIODevice::WriteOnly);
        for (const QPicture &sheet : document.sheets) {
            out << quint32(sheet.size());
            out.writeRawData(sheet.data(), int(sheet.size()));
        }
    }
    const QSizeF size = document.pageSize.size(QPageSize::Millimeter);
    QByteArray bytes = kMagic;
    {
        QDataStream out(&bytes, QIODevice::Append);
        out << quint16(kReportFileFormatVersion) << quint16(QDataStream::Qt_DefaultCompiledVersion)
            << quint32(document.sheets.size()) << micrometres(size.width())
            << micrometres(size.height()) << quint64(sheets.size());
    }
    bytes += sheets;
    bytes += sha256(bytes);
    return bytes;
}

RecordedDocument decodeReportFile(const QByteArray &bytes, const QString &path)
{
    if (!bytes.startsWith(kMagic)) {
        if (bytes.size() < kMagic.size() && kMagic.startsWith(bytes))
            truncated(path);
        foreign(path);
    }
    if (bytes.size() < kHeaderSize + kHashSize)
        truncated(path);

    QDataStream header(bytes.mid(kMagic.size(), kHeaderSize - kMagic.size()));
    quint16 formatVersion = 0;
    quint16 streamVersion = 0;
    quint32 sheetCount = 0;
    quint32 widthUm = 0;
    quint32 heightUm = 0;
    quint64 sheetsLength = 0;
    header >> formatVersion >> streamVersion >> sheetCount >> widthUm >> heightUm >> sheetsLength;
    if (formatVersion > kReportFileFormatVersion
        || streamVersion > QDataStream::Qt_DefaultCompiledVersion)
        newer(path);
    if (formatVersion == 0)
        corrupted(path);
    const quint64 available = quint64(bytes.size() - kHeaderSize - kHashSize);
    if (sheetsLength > available)
        truncated(path);
    if (sheetsLength < available)
        corrupted(path);
    const qsizetype hashAt = bytes.size() - kHashSize;
    if (sha256(QByteArrayView(bytes).first(hashAt)) != bytes.mid(hashAt))
        corrupted(path);

    if (sheetCount == 0 || sheetCount > kMaxSheets || widthUm == 0 || heightUm == 0
        || widthUm > kMaxPageMicrometres || heightUm > kMaxPageMicrometres)
        corrupted(path);
    RecordedDocument document;
    document.pageSize
        = QPageSize(QSizeF(widthUm / 1000.0, heightUm / 1000.0), QPageSize::Millimeter);
    QByteArray sheets = bytes.mid(kHeaderSize, qsizetype(sheetsLength));
    QDataStream in(sheets);
    in.setVersion(QDataStream::Qt_6_0);
    for (quint32 i = 0; i < sheetCount; ++i) {
        quint32 length = 0;
        in >> length;
        if (in.status() != QDataStream::Ok || length > quint64(sheets.size() - in.device()->pos()))
            corrupted(path);
        QByteArray recording = in.device()->read(length);
        QBuffer buffer(&recording);
        buffer.open(QIODevice::ReadOnly);
        QPicture sheet;
        if (!sheet.load(&buffer))
            corrupted(path);
        document.sheets.push_back(sheet);
    }
    if (!in.atEnd())
        corrupted(path);
    return document;
}

void writeReportFile(const RecordedDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeReportFile(document)) < 0
        || !file.commit())
        fail(QStringLiteral("Impossibile salvare il file di report %1 (%2).")
                 .arg(shown(path), file.errorString()));
}

RecordedDocument readReportFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Impossibile aprire il file di report %1 (%2).")
                 .arg(shown(path), file.errorString()));
    if (file.size() > kMaxFileSize)
        foreign(path);
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Impossibile leggere il file di report %1 (%2).")
                 .arg(shown(path), file.errorString()));
    return decodeReportFile(bytes, path);
}

} // namespace monit12
