// Filling the statement: reads the data file and writes every value label in a fixed order,
// so that a reading error leaves exactly the labels before it written.
#pragma once

#include "data/monitoring_data.h"
#include "data/separators.h"
#include "statement/caption_writer.h"

#include <string>

namespace monit12 {

// Runs the whole filling against `writer`. Throws DataFileError (InOutError or ConversionError)
// at the failing step; `data` then holds what was read up to that point.
void fillStatement(CaptionWriter &writer, const std::string &nomeFile,
                   const Separators &separators, MonitoringData &data);

} // namespace monit12
