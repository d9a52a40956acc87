// Where the statement's font files are, and making them the only fonts Qt sees.
#pragma once

#include <QString>

namespace monit12 {

// MONIT12_FONT_DIR if set, else the folder of Debian's fonts-liberation.
QString fontDirectory();
QString regularFontPath();
QString boldFontPath();

// Points fontconfig at a private configuration listing only fontDirectory(), so that
// "Liberation Sans" resolves to those files even where another version is installed.
// Must run before the QGuiApplication is created; later calls change nothing.
void usePrivateFontConfig();

} // namespace monit12
