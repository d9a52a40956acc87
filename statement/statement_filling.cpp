#include "statement/statement_filling.h"

#include "data/data_fields.h"
#include "data/figures.h"
#include "data/kestravo_file.h"
#include "data/number_format.h"

namespace monit12 {

namespace {

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

void fillStatement(CaptionWriter &writer, const std::string &nomeFile,
                   const Separators &separators, MonitoringData &data)
{
    const char decimal = decimalSeparatorByte(separators);
    auto amount = [&](long double value) { return text(formatAmount(value, separators)); };

    KestravoFile file(nomeFile);
    const std::string header = file.readLine();

    takeHeaderName(header, data);
    writer.setCaption("QRComunedi", text(data.NomeComune));
    writer.setCaption("QRLabel83", text(data.NomeComune));

    takeHeaderRest(header, data, decimal);
    writer.setCaption("QRLabel10", text(data.Anno));
    writer.setCaption("QRLabel25", text(data.Anno));
    writer.setCaption("QRLabel185", QStringLiteral("OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO ")
                                        + writer.caption("QRLabel25"));
    writer.setCaption("QRDalAl", data.DataDal.empty()
                                     ? QString()
                                     : QStringLiteral("Periodo selezionato: dal ") + text(data.DataDal)
                                           + QStringLiteral(" al ") + text(data.DataAl));

    readAmountLines(file, data, decimal);

    for (int k = 1; k <= 17; ++k)
        writer.setCaption(QStringLiteral("E%1").arg(k), amount(data.E(k)));
    writer.setCaption("TotEntrCorrNette", amount(totEntrCorrNette(data)));
    writer.setCaption("TotEntrateContoCapi", amount(totEntrateContoCapi(data)));
    writer.setCaption("EntrateFinaliNette", amount(entrateFinaliNette(data)));

    for (int k = 1; k <= 17; ++k)
        writer.setCaption(QStringLiteral("s%1").arg(k), amount(data.S(k)));
    writer.setCaption("S1Spesecorr", amount(s1Spesecorr(data)));
    writer.setCaption("S2TotSpeseConCap", amount(s2TotSpeseConCap(data)));
    writer.setCaption("S3Spesefin", amount(s3Spesefin(data)));
    writer.setCaption("S5SaldoFin", amount(s5SaldoFin(data)));
    writer.setCaption("S9Obiettivo", amount(data.Obiettivo));
    const long double dif = s10Dif(data);
    writer.setCaption("S10Dif", amount(dif));
    writer.setCaption("QRPATTO", QString::fromLatin1(verdictCaption(dif)));

    file.close();
}

} // namespace monit12
