// Where the preview window proposes to put the files it writes.
#pragma once

#include <QString>

namespace monit12 {

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

} // namespace monit12
