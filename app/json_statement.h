// The statement's texts and figures as one JSON object, filled by the same code as the sheets.
#pragma once

#include "data/separators.h"

#include <QByteArray>
#include <QString>

namespace monit12 {

// Fills the statement from `dataFile`; throws DataFileError as the desktop run would report it.
QByteArray statementJson(const QString &dataFile, const Separators &separators);

} // namespace monit12
