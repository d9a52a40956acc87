// Data files for tests, built from the figures a test names: 38 lines, CR LF terminated,
// every field at its position, the amounts in whole cents.
#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace monit12::test {

// Cents per figure, keyed "E1".."E19", "S1".."S19" and "OB"; figures not named are zero.
using Cents = std::map<QString, long long>;

struct DataFileSpec
{
    Cents cents;
    QByteArray name = "COMUNE DI PROVA"; // code page 1252
    // Not the templates' "2012", so that a written year is told from an unwritten one.
    QByteArray year = "2013";
    QByteArray from = "01/01/2013";
    QByteArray to = "31/12/2013";
};

QByteArray dataFileBytes(const DataFileSpec &spec);

// The same file with positions 10-23 of one line (counted from 1) replaced by `field`.
QByteArray withAmountField(const QByteArray &file, int line, const QByteArray &field);

// examples/KESTRAVO.TXT.
QByteArray sampleFileBytes();

} // namespace monit12::test
