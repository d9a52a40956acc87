// The program's title, derived from the executable's file name: the directory dropped, the name
// cut at its first full stop, every character after the first in lower case ("monit12").
#pragma once

#include <QString>

namespace monit12 {

QString applicationTitleFor(const QString &executablePath);

} // namespace monit12
