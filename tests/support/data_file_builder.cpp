#include "tests/support/data_file_builder.h"

#include <QFile>
#include <QList>

#include <stdexcept>

namespace monit12::test {

namespace {

QByteArray amountField(long long cents)
{
    return QByteArray::number(cents).rightJustified(14, ' ');
}

QByteArray field(const QByteArray &text, int length)
{
    return text.leftJustified(length, ' ', true);
}

} // namespace

QByteArray dataFileBytes(const DataFileSpec &spec)
{
    auto cents = [&](const QString &key) {
        const auto it = spec.cents.find(key);
        return it == spec.cents.end() ? 0LL : it->second;
    };
    // Positions 1-9, 10-23 E1, 24, 25-124 name, 125, 126-129 year, 130-132, 133-146 objective,
    // 147, 148-157 period start, 158, 159-168 period end.
    const QByteArray header = "MON120001" + amountField(cents("E1")) + " " + field(spec.name, 100)
        + " " + field(spec.year, 4) + "   " + amountField(cents("OB")) + " " + field(spec.from, 10)
        + " " + field(spec.to, 10);
    QByteArray file = header + "\r\n";
    for (int k = 2; k <= 19; ++k)
        file += "ENT" + QByteArray::number(k).rightJustified(6, '0')
            + amountField(cents(QStringLiteral("E%1").arg(k))) + "\r\n";
    for (int k = 1; k <= 19; ++k)
        file += "SPE" + QByteArray::number(k).rightJustified(6, '0')
            + amountField(cents(QStringLiteral("S%1").arg(k))) + "\r\n";
    return file;
}

QByteArray withAmountField(const QByteArray &file, int line, const QByteArray &amount)
{
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1].replace(9, 14, amount);
    return lines.join('\n');
}

QByteArray sampleFileBytes()
{
    QFile sample(QStringLiteral(MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT"));
    if (!sample.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read examples/KESTRAVO.TXT");
    return sample.readAll();
}

} // namespace monit12::test
