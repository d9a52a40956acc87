#include "app/desktop_run.h"

#include "app/statement_run.h"
#include "app/tf_menu.h"

#include <QApplication>
#include <QTimer>

namespace monit12 {

int runDesktop(int argc, char *argv[], const QString &title)
{
    QApplication application(argc, argv);
    // The title captions every dialog and error box; it is kept out of the window titles
    // themselves, which the platform would otherwise suffix with it.
    QCoreApplication::setApplicationName(title);

    TFMenu launcher(runStatement);
    FMenu = &launcher;
    // The event loop makes the launcher visible, which runs its show handler.
    QTimer::singleShot(0, &launcher, [&launcher] { launcher.show(); });
    const int status = QApplication::exec();
    FMenu = nullptr;
    return status;
}

} // namespace monit12
