#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace monit12 {

QString missingFileMessage(const QString &fileName)
{
    return QStringLiteral("Non trovo il file ") + fileName + QStringLiteral(" impossibile proseguire.");
}

QString errorBoxText(const QString &errorText)
{
    if (!errorText.isEmpty() && errorText.back() > QLatin1Char('.'))
        return errorText + QLatin1Char('.');
    return errorText;
}

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    // The text may quote a field of the data file: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace

void showPlainMessage(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::NoIcon, text);
}

void showErrorBox(QWidget *parent, const QString &errorText)
{
    showBox(parent, QMessageBox::Critical, errorBoxText(errorText));
}

} // namespace monit12
