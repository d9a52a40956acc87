// What became of one data file of a batch: the statement's figures as printed, or the error
// text that the error box would show. Workers send it to the batch run as one line of JSON.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace monit12 {

struct BatchOutcome
{
    bool written = false;
    // The captions of the filled statement: municipality, year, EF N, SF N, SFIN, OB, DIF, verdict.
    QString municipality;
    QString year;
    QString efn;
    QString sfn;
    QString sfin;
    QString ob;
    QString dif;
    QString verdict;
    QString error; // set when nothing was written

    bool operator==(const BatchOutcome &) const = default;
};

BatchOutcome failedOutcome(const QString &error);

// One line of compact JSON ending in "\n"; texts with line breaks stay on that one line.
QByteArray encodeOutcome(const BatchOutcome &outcome);
// Empty for a line that is not an encoded outcome.
std::optional<BatchOutcome> decodeOutcome(const QByteArray &line);

} // namespace monit12
