// Regional separators from the POSIX locale environment: LC_ALL, else LC_NUMERIC, else LANG.
#pragma once

#include "data/separators.h"

#include <string>

namespace monit12 {

// C, POSIX, empty or unknown: "." and no thousands separator.
Separators separatorsForLocaleName(const std::string &localeName);
Separators separatorsFromEnvironment();

} // namespace monit12
