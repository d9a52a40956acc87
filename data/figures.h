// The statement's computed figures: each one left-to-right chain in extended precision.
#pragma once

#include "data/monitoring_data.h"

namespace monit12 {

long double totEntrCorrNette(const MonitoringData &d);    // E1+E2+E3-E4-...-E10
long double totEntrateContoCapi(const MonitoringData &d); // E11-E12-...-E18
long double entrateFinaliNette(const MonitoringData &d);  // EF N: E1..E18 as one chain
long double s1Spesecorr(const MonitoringData &d);         // S1-S2-...-S7
long double s2TotSpeseConCap(const MonitoringData &d);    // S8-S9-...-S19
long double s3Spesefin(const MonitoringData &d);          // SF N: S1..S19 as one chain
long double s5SaldoFin(const MonitoringData &d);          // SFIN = EF N - SF N
long double s10Dif(const MonitoringData &d);              // DIF = EF N - SF N - RettificaNetta - OB

inline constexpr const char *kPattoRispettato = "Patto rispettato";
inline constexpr const char *kPattoNonRispettato = "Patto NON rispettato";

// The verdict on the difference as it is printed (rounded to cents): a printed negative
// amount means the pact was not respected; 0,00 or more means it was.
bool pattoRispettato(long double dif);
const char *verdictCaption(long double dif);

} // namespace monit12
