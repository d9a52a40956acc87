#include "app/tf_menu.h"

#include "app/message_boxes.h"
#include "data/kestravo_file.h"

#include <QCoreApplication>
#include <QShowEvent>

#include <exception>

namespace monit12 {

TFMenu *FMenu = nullptr;

TFMenu::TFMenu(std::function<void(TFMenu &)> statementRun, QWidget *parent)
    : QWidget(parent)
    , m_statementRun(std::move(statementRun))
{
    setObjectName(QStringLiteral("FMenu"));
    setWindowTitle(QStringLiteral("FMenu"));
    // Designed as a 219 x 72 pixel window (frame included) at 129, 148; both buttons lie below its
    // client area and show only if the user enlarges the window.
    move(129, 148);
    resize(203, 34);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Patto di stabilità"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setGeometry(32, 80, 145, 49);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        try {
            SpeedButton1Click();
        } catch (const std::exception &error) {
            showErrorBox(this, QString::fromUtf8(error.what()));
        }
    });

    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setGeometry(32, 136, 145, 57);
}

void TFMenu::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce || event->spontaneous())
        return;
    m_shownOnce = true;
    FormShow();
}

void TFMenu::FormShow()
{
    NomeFile = QString::fromLatin1(kNomeFileDefault);
    try {
        if (dataFileExists(NomeFile.toStdString())) {
            SpeedButton1Click();
            closeLauncher();
        } else {
            showPlainMessage(nullptr, missingFileMessage(NomeFile));
            closeLauncher();
        }
    } catch (const std::exception &error) {
        // The launcher stays open: the user may close it or start a new statement run.
        showErrorBox(nullptr, QString::fromUtf8(error.what()));
    }
}

void TFMenu::SpeedButton1Click()
{
    if (m_statementRun)
        m_statementRun(*this);
}

void TFMenu::closeLauncher()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

} // namespace monit12
