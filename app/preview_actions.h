// The preview window's commands: Italian texts and tooltips, icons and the usual shortcuts.
#pragma once

class QAction;
class QObject;

namespace monit12 {

struct PreviewActions
{
    QAction *zoomToFit = nullptr;
    QAction *zoomToWidth = nullptr;
    QAction *actualSize = nullptr;
    QAction *zoomIn = nullptr;
    QAction *zoomOut = nullptr;
    QAction *firstSheet = nullptr;
    QAction *previousSheet = nullptr;
    QAction *nextSheet = nullptr;
    QAction *lastSheet = nullptr;
    QAction *goToSheet = nullptr;
    QAction *printerSetup = nullptr;
    QAction *print = nullptr;
    QAction *save = nullptr;
    QAction *load = nullptr;
    QAction *close = nullptr;
};

// Each action is named after its member ("zoomToWidth", "print" ...); the three zoom modes are
// checkable and exclusive, none checked after a free zoom.
PreviewActions createPreviewActions(QObject *parent);

} // namespace monit12
