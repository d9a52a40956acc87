#include "app/desktop_run.h"

#include "app/message_boxes.h"
#include "app/statement_run.h"
#include "app/tf_menu.h"
#include "statement/font_files.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTimer>

#include <optional>

namespace monit12 {

int runDesktop(int argc, char *argv[], const QString &title)
{
    // The statement's font files must be the only ones fontconfig knows before Qt starts.
    usePrivateFontConfig();
    QApplication application(argc, argv);
    // The title captions every dialog and error box; it is kept out of the window titles
    // themselves, which the platform would otherwise suffix with it.
    QCoreApplication::setApplicationName(title);
    // Only the statement's fonts are known to fontconfig; the interface uses the same family.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    // The program speaks Italian, and so do Qt's own dialogs (print, file, message buttons).
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    std::optional<StatementRuns> runs;
    try {
        runs.emplace();
    } catch (const FontFileError &error) {
        // An installation fault, not a data fault: the statement cannot be drawn at all.
        showErrorBox(nullptr, QString::fromUtf8(error.what()));
        return 1;
    }
    StatementRuns &statementRuns = *runs;
    TFMenu launcher([&statementRuns](TFMenu &menu) { statementRuns.run(menu); });
    FMenu = &launcher;
    // The event loop makes the launcher visible, which runs its show handler.
    QTimer::singleShot(0, &launcher, [&launcher] { launcher.show(); });
    const int status = QApplication::exec();
    FMenu = nullptr;
    return status;
}

} // namespace monit12
