// The program's two kinds of message: the plain message dialog and the error box.
#pragma once

#include <QString>

class QWidget;

namespace monit12 {

// "Non trovo il file KESTRAVO.TXT impossibile proseguire."
QString missingFileMessage(const QString &fileName);

// The error's text with a full stop added when its last character sorts after ".".
QString errorBoxText(const QString &errorText);

// Modal, no icon, one "OK" button that both Enter and Escape press; captioned with the title.
void showPlainMessage(QWidget *parent, const QString &text);

// Stop icon, one OK button, captioned with the application title.
void showErrorBox(QWidget *parent, const QString &errorText);

} // namespace monit12
