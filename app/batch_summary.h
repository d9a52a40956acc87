// The batch's summary.csv: RFC 4180 (fields quoted where needed, CR LF line ends), UTF-8, a
// header row, then one row per data file in name order.
#pragma once

#include "app/batch_outcome.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace monit12 {

struct SummaryRow
{
    QString fileName;
    BatchOutcome outcome;
};

QByteArray summaryCsv(const std::vector<SummaryRow> &rows);

// Written under a temporary name and renamed into place; the error text when that failed.
std::optional<QString> writeSummary(const QString &path, const QByteArray &csv);

} // namespace monit12
