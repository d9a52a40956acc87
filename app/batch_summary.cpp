#include "app/batch_summary.h"

#include <QDir>
#include <QSaveFile>

namespace monit12 {

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\r')
        && !field.contains('\n'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

void appendRow(QByteArray &csv, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            csv += ',';
        csv += csvField(fields[i]);
    }
    csv += "\r\n";
}

} // namespace

QByteArray summaryCsv(const std::vector<SummaryRow> &rows)
{
    QByteArray csv;
    appendRow(csv,
        { QStringLiteral("file"), QStringLiteral("municipality"), QStringLiteral("year"),
            QStringLiteral("EF N"), QStringLiteral("SF N"), QStringLiteral("SFIN"),
            QStringLiteral("OB"), QStringLiteral("DIF"), QStringLiteral("verdict"),
            QStringLiteral("error") });
    for (const SummaryRow &row : rows) {
        const BatchOutcome &o = row.outcome;
        appendRow(csv,
            { row.fileName, o.municipality, o.year, o.efn, o.sfn, o.sfin, o.ob, o.dif, o.verdict,
                o.error });
    }
    return csv;
}

std::optional<QString> writeSummary(const QString &path, const QByteArray &csv)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        return QStringLiteral("Impossibile scrivere %1: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

} // namespace monit12
