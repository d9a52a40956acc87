// What one data file holds: the amounts table and the header values.
#pragma once

#include <array>
#include <string>

namespace monit12 {

inline constexpr int kImportiSlots = 60;
inline constexpr int kRevenueBase = 0;      // Ek is slot k-1
inline constexpr int kExpenditureBase = 30; // Sk is slot 30+k-1

struct MonitoringData
{
    std::array<long double, kImportiSlots> Importi{}; // euros
    long double Obiettivo = 0;
    long double RettificaNetta = 0;
    // Texts decoded from code page 1252 to UTF-8.
    std::string NomeComune;
    std::string Anno;
    std::string DataDal;
    std::string DataAl;

    long double E(int k) const { return Importi[kRevenueBase + k - 1]; }
    long double S(int k) const { return Importi[kExpenditureBase + k - 1]; }
};

} // namespace monit12
