#include "data/figures.h"

#include "data/number_format.h"

namespace monit12 {

// Every chain is written out term by term: the order of the operations is part of the result.

long double totEntrCorrNette(const MonitoringData &d)
{
    return d.E(1) + d.E(2) + d.E(3) - d.E(4) - d.E(5) - d.E(6) - d.E(7) - d.E(8) - d.E(9) - d.E(10);
}

long double totEntrateContoCapi(const MonitoringData &d)
{
    return d.E(11) - d.E(12) - d.E(13) - d.E(14) - d.E(15) - d.E(16) - d.E(17) - d.E(18);
}

long double entrateFinaliNette(const MonitoringData &d)
{
    return d.E(1) + d.E(2) + d.E(3) - d.E(4) - d.E(5) - d.E(6) - d.E(7) - d.E(8) - d.E(9) - d.E(10)
        + d.E(11) - d.E(12) - d.E(13) - d.E(14) - d.E(15) - d.E(16) - d.E(17) - d.E(18);
}

long double s1Spesecorr(const MonitoringData &d)
{
    return d.S(1) - d.S(2) - d.S(3) - d.S(4) - d.S(5) - d.S(6) - d.S(7);
}

long double s2TotSpeseConCap(const MonitoringData &d)
{
    return d.S(8) - d.S(9) - d.S(10) - d.S(11) - d.S(12) - d.S(13) - d.S(14) - d.S(15) - d.S(16)
        - d.S(17) - d.S(18) - d.S(19);
}

long double s3Spesefin(const MonitoringData &d)
{
    return d.S(1) - d.S(2) - d.S(3) - d.S(4) - d.S(5) - d.S(6) - d.S(7) + d.S(8) - d.S(9) - d.S(10)
        - d.S(11) - d.S(12) - d.S(13) - d.S(14) - d.S(15) - d.S(16) - d.S(17) - d.S(18) - d.S(19);
}

long double s5SaldoFin(const MonitoringData &d)
{
    return entrateFinaliNette(d) - s3Spesefin(d);
}

long double s10Dif(const MonitoringData &d)
{
    return entrateFinaliNette(d) - s3Spesefin(d) - d.RettificaNetta - d.Obiettivo;
}

bool pattoRispettato(long double dif)
{
    return !isPrintedNegative(dif);
}

const char *verdictCaption(long double dif)
{
    return pattoRispettato(dif) ? kPattoRispettato : kPattoNonRispettato;
}

} // namespace monit12
