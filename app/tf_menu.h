// The launcher: the program's main form. Its show handler runs the whole job the first time it is
// shown, so in a normal run the user never sees a usable launcher.
#pragma once

#include <QString>
#include <QToolButton>
#include <QWidget>

#include <functional>

namespace monit12 {

class TFMenu : public QWidget
{
    Q_OBJECT

public:
    // `statementRun` creates and fills the statement and shows its preview; it returns when the
    // preview has been closed. Errors escaping it are reported in an error box.
    explicit TFMenu(std::function<void(TFMenu &)> statementRun, QWidget *parent = nullptr);

    QString NomeFile;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;

    void FormShow();
    void SpeedButton1Click();

    // Closing the main form ends the application: a quit request is posted.
    void closeLauncher();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<void(TFMenu &)> m_statementRun;
    bool m_shownOnce = false;
};

// The one launcher of the run.
extern TFMenu *FMenu;

} // namespace monit12
