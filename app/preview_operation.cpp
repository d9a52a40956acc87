#include "app/preview_operation.h"

#include "app/preview_window.h"
#include "statement/composite_report.h"
#include "statement/sheet_recorder.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace monit12 {

void previewComposite(CompositeReport &composite, const FontBook &fonts)
{
    // The list may still hold an earlier pass's members; the pass below empties it.
    composite.callAddReports();
    if (composite.reports().empty())
        return;

    PreviewWindow window(composite, fonts);
    window.open();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    SheetRecorder recorder(fonts);
    recorder.setSheetCompletedHandler([&](int sheet) {
        window.addSheet(recorder.document().sheets.at(std::size_t(sheet)));
        // Paint the sheet now; clicks wait, so that no command re-enters the pass under way.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    composite.generate(recorder);
    window.setComplete(recorder.takeDocument());

    if (QCoreApplication::closingDown() || !window.isVisible())
        return;
    QEventLoop loop;
    QObject::connect(&window, &PreviewWindow::closed, &loop, &QEventLoop::quit);
    QObject::connect(
        QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace monit12
