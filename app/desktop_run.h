// The desktop run: the launcher as hidden main form, whose show handler does the whole job.
#pragma once

#include <QString>

namespace monit12 {

int runDesktop(int argc, char *argv[], const QString &title);

} // namespace monit12
