#include "app/preview_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace monit12 {

namespace {

// Qt's own print-preview icons, used where the desktop theme has none.
QIcon themeIcon(const char *name)
{
    const QString base
        = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-%2.png");
    QIcon fallback;
    for (int size : { 24, 32 })
        fallback.addFile(base.arg(QLatin1String(name)).arg(size), QSize(size, size));
    return QIcon::fromTheme(QLatin1String(name), fallback);
}

QIcon styleIcon(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

QAction *makeAction(QObject *parent, const char *name, const QString &text, const QString &tip,
    const QIcon &icon, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(icon, text, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    const QString key
        = keys.isEmpty() ? QString() : keys.first().toString(QKeySequence::NativeText);
    action->setToolTip(key.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, key));
    return action;
}

} // namespace

PreviewActions createPreviewActions(QObject *parent)
{
    PreviewActions a;
    a.zoomToFit = makeAction(parent, "zoomToFit", QStringLiteral("Pagina intera"),
        QStringLiteral("Mostra il foglio intero"), themeIcon("zoom-fit-page"),
        { QKeySequence(Qt::CTRL | Qt::Key_1) });
    a.zoomToWidth = makeAction(parent, "zoomToWidth", QStringLiteral("Larghezza pagina"),
        QStringLiteral("Adatta il foglio alla larghezza della finestra"),
        themeIcon("zoom-fit-width"), { QKeySequence(Qt::CTRL | Qt::Key_2) });
    a.actualSize = makeAction(parent, "actualSize", QStringLiteral("100 %"),
        QStringLiteral("Mostra il foglio a grandezza naturale"), QIcon(),
        { QKeySequence(Qt::CTRL | Qt::Key_0) });
    auto *zoomModes = new QActionGroup(parent);
    zoomModes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *mode : { a.zoomToFit, a.zoomToWidth, a.actualSize }) {
        mode->setCheckable(true);
        zoomModes->addAction(mode);
    }
    a.zoomIn
        = makeAction(parent, "zoomIn", QStringLiteral("Ingrandisci"), QStringLiteral("Ingrandisci"),
            themeIcon("zoom-in"), { QKeySequence(Qt::Key_Plus), QKeySequence::ZoomIn });
    a.zoomOut = makeAction(parent, "zoomOut", QStringLiteral("Riduci"), QStringLiteral("Riduci"),
        themeIcon("zoom-out"), { QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut });
    a.firstSheet = makeAction(parent, "firstSheet", QStringLiteral("Primo foglio"),
        QStringLiteral("Primo foglio"), themeIcon("go-first"),
        { QKeySequence(Qt::Key_Home), QKeySequence(Qt::CTRL | Qt::Key_Home) });
    a.previousSheet = makeAction(parent, "previousSheet", QStringLiteral("Foglio precedente"),
        QStringLiteral("Foglio precedente"), themeIcon("go-previous"),
        { QKeySequence(Qt::Key_PageUp) });
    a.nextSheet = makeAction(parent, "nextSheet", QStringLiteral("Foglio successivo"),
        QStringLiteral("Foglio successivo"), themeIcon("go-next"),
        { QKeySequence(Qt::Key_PageDown) });
    a.lastSheet = makeAction(parent, "lastSheet", QStringLiteral("Ultimo foglio"),
        QStringLiteral("Ultimo foglio"), themeIcon("go-last"),
        { QKeySequence(Qt::Key_End), QKeySequence(Qt::CTRL | Qt::Key_End) });
    a.goToSheet = makeAction(parent, "goToSheet", QStringLiteral("Vai al foglio"),
        QStringLiteral("Scrivi il numero del foglio e premi Invio"), QIcon(),
        { QKeySequence(Qt::CTRL | Qt::Key_G) });
    a.printerSetup = makeAction(parent, "printerSetup", QStringLiteral("Imposta stampante"),
        QStringLiteral("Scegli la stampante, il numero di copie e i fogli da stampare"),
        themeIcon("page-setup"), { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) });
    a.print = makeAction(parent, "print", QStringLiteral("Stampa"),
        QStringLiteral("Stampa il documento"), themeIcon("printer"), { QKeySequence::Print });
    a.save = makeAction(parent, "save", QStringLiteral("Salva"),
        QStringLiteral("Salva il documento in un file di report"),
        styleIcon(QStyle::SP_DialogSaveButton), { QKeySequence::Save });
    a.load = makeAction(parent, "load", QStringLiteral("Apri"),
        QStringLiteral("Mostra un file di report salvato"), styleIcon(QStyle::SP_DialogOpenButton),
        { QKeySequence::Open });
    a.close = makeAction(parent, "close", QStringLiteral("Chiudi"),
        QStringLiteral("Chiudi l'anteprima"), styleIcon(QStyle::SP_DialogCloseButton),
        { QKeySequence(Qt::Key_Escape) });
    return a;
}

} // namespace monit12
