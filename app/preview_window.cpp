#include "app/preview_window.h"

#include "app/message_boxes.h"
#include "app/preview_folders.h"
#include "app/print_job.h"
#include "app/report_file.h"
#include "statement/composite_report.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>

namespace monit12 {

namespace {

// The window's size when the user restores it from maximised, in pixels.
constexpr QSize kRestoredSize(500, 500);

const QString kReportFilter = QStringLiteral("File di report (*.qrp)");

} // namespace

PreviewWindow::PreviewWindow(CompositeReport &composite, const FontBook &fonts, QWidget *parent)
    : QMainWindow(parent)
    , m_previewPrinter(QPrinter::HighResolution)
    , m_printing(composite, fonts)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("Report Preview : "));
    // No menu that could hide the toolbar.
    setContextMenuPolicy(Qt::NoContextMenu);
    // The on-screen sheets never go to a print server: PDF metrics at 1200 dpi.
    m_previewPrinter.setOutputFormat(QPrinter::PdfFormat);
    preparePrinter(m_previewPrinter);

    m_view = new QPrintPreviewWidget(&m_previewPrinter, this);
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_view->setZoomMode(QPrintPreviewWidget::FitToWidth);
    setCentralWidget(m_view);
    if (auto *graphics = m_view->findChild<QGraphicsView *>())
        graphics->viewport()->installEventFilter(this);

    m_actions = createPreviewActions(this);
    buildToolBar();
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("sheetStatus"));
    statusBar()->addWidget(m_status);
    connectActions();
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintSheets);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::updateState);
    updateState();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Anteprima"));
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    const PreviewActions &a = m_actions;
    bar->addActions({ a.zoomToFit, a.zoomToWidth, a.actualSize });
    bar->addSeparator();
    bar->addActions({ a.zoomOut, a.zoomIn });
    bar->addSeparator();
    bar->addActions({ a.firstSheet, a.previousSheet });
    m_sheetField = new QLineEdit(bar);
    m_sheetField->setObjectName(QStringLiteral("sheetField"));
    m_sheetField->setToolTip(a.goToSheet->toolTip());
    m_sheetField->setAlignment(Qt::AlignRight);
    m_sheetField->setMaxLength(4);
    m_sheetField->setFixedWidth(
        m_sheetField->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    bar->addWidget(m_sheetField);
    bar->addActions({ a.nextSheet, a.lastSheet });
    bar->addSeparator();
    bar->addActions({ a.printerSetup, a.print });
    bar->addSeparator();
    bar->addActions({ a.save, a.load });
    bar->addSeparator();
    bar->addAction(a.close);
    // Not a button of its own: its shortcut puts the cursor in the sheet field.
    addAction(a.goToSheet);
}

void PreviewWindow::connectActions()
{
    const PreviewActions &a = m_actions;
    // Zooming from code does not always report a change of the preview.
    connect(a.zoomToFit, &QAction::triggered, this, [this] {
        m_view->fitInView();
        updateState();
    });
    connect(a.zoomToWidth, &QAction::triggered, this, [this] {
        m_view->fitToWidth();
        updateState();
    });
    connect(a.actualSize, &QAction::triggered, this, [this] {
        m_view->setZoomFactor(1.0);
        updateState();
    });
    connect(a.zoomIn, &QAction::triggered, this, [this] {
        m_view->zoomIn();
        updateState();
    });
    connect(a.zoomOut, &QAction::triggered, this, [this] {
        m_view->zoomOut();
        updateState();
    });
    connect(a.firstSheet, &QAction::triggered, this, [this] { goToSheet(1); });
    connect(a.previousSheet, &QAction::triggered, this,
        [this] { goToSheet(qMax(1, currentSheet() - 1)); });
    connect(a.nextSheet, &QAction::triggered, this,
        [this] { goToSheet(qMin(sheetCount(), currentSheet() + 1)); });
    connect(a.lastSheet, &QAction::triggered, this, [this] { goToSheet(sheetCount()); });
    connect(a.goToSheet, &QAction::triggered, this, [this] {
        m_sheetField->setFocus(Qt::ShortcutFocusReason);
        m_sheetField->selectAll();
    });
    connect(m_sheetField, &QLineEdit::returnPressed, this, [this] {
        // Anything that is not a sheet number, empty text included, shows sheet 1.
        goToSheet(m_sheetField->text().trimmed().toInt());
        m_view->setFocus();
    });
    connect(a.printerSetup, &QAction::triggered, this, &PreviewWindow::printerSetup);
    connect(a.print, &QAction::triggered, this, &PreviewWindow::print);
    connect(a.save, &QAction::triggered, this, &PreviewWindow::saveAs);
    connect(a.load, &QAction::triggered, this, &PreviewWindow::loadFrom);
    connect(a.close, &QAction::triggered, this, &QWidget::close);
}

void PreviewWindow::open()
{
    resize(kRestoredSize);
    // Without a window manager a maximised state alone leaves the window at its restored size.
    if (QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    m_view->setFocus();
}

void PreviewWindow::addSheet(const QPicture &sheet)
{
    m_document.sheets.push_back(sheet);
    showDocument();
}

void PreviewWindow::setComplete(RecordedDocument document)
{
    m_document = std::move(document);
    m_complete = true;
    showDocument();
}

int PreviewWindow::currentSheet() const
{
    return m_view->currentPage();
}

void PreviewWindow::goToSheet(int sheet)
{
    if (sheet < 1 || sheet > sheetCount())
        sheet = 1;
    m_view->setCurrentPage(sheet);
    // Paging from code does not report a change of the preview.
    updateState();
}

void PreviewWindow::paintSheets(QPrinter *printer)
{
    QPainter painter;
    for (std::size_t i = 0; i < m_document.sheets.size(); ++i) {
        if (i == 0) {
            if (!painter.begin(printer))
                return;
        } else {
            printer->newPage();
        }
        paintRecordedSheet(painter, m_document.sheets[i]);
    }
}

void PreviewWindow::showDocument()
{
    m_previewPrinter.setPageSize(m_document.pageSize);
    m_view->updatePreview();
    updateState();
}

void PreviewWindow::updateState()
{
    const int count = sheetCount();
    const int current = currentSheet();
    m_status->setText(
        count == 0 ? QString() : QStringLiteral("Foglio %1 di %2").arg(current).arg(count));
    if (!m_sheetField->hasFocus())
        m_sheetField->setText(count == 0 ? QString() : QString::number(current));
    const PreviewActions &a = m_actions;
    a.firstSheet->setEnabled(current > 1);
    a.previousSheet->setEnabled(current > 1);
    a.nextSheet->setEnabled(current < count);
    a.lastSheet->setEnabled(current < count);
    a.print->setEnabled(m_complete);
    a.load->setEnabled(m_complete);
    // A half-produced document is not worth a file.
    a.save->setEnabled(m_complete);
    const auto mode = m_view->zoomMode();
    a.zoomToFit->setChecked(mode == QPrintPreviewWidget::FitInView);
    a.zoomToWidth->setChecked(mode == QPrintPreviewWidget::FitToWidth);
    a.actualSize->setChecked(
        mode == QPrintPreviewWidget::CustomZoom && qFuzzyCompare(m_view->zoomFactor(), 1.0));
}

void PreviewWindow::print()
{
    if (m_complete)
        m_printing.print(this, m_loaded ? &m_document : nullptr, currentSheet(), sheetCount());
}

void PreviewWindow::printerSetup()
{
    m_printing.printerSetup(this, sheetCount());
}

bool PreviewWindow::saveToFile(const QString &path)
{
    try {
        writeReportFile(m_document, path);
        return true;
    } catch (const ReportFileError &error) {
        showErrorBox(this, QString::fromStdString(error.what()));
        return false;
    }
}

bool PreviewWindow::loadFromFile(const QString &path)
{
    try {
        RecordedDocument loaded = readReportFile(path);
        m_document = std::move(loaded);
        m_loaded = true;
        showDocument();
        goToSheet(1);
        return true;
    } catch (const ReportFileError &error) {
        showErrorBox(this, QString::fromStdString(error.what()));
        return false;
    }
}

void PreviewWindow::saveAs()
{
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salva il documento"), documentsFolder(), kReportFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".qrp");
    saveToFile(path);
}

void PreviewWindow::loadFrom()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Apri un file di report"), documentsFolder(), kReportFilter);
    if (!path.isEmpty())
        loadFromFile(path);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    if (!m_complete) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void PreviewWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if ((change->oldState() & Qt::WindowMaximized) && windowState() == Qt::WindowNoState)
        resize(kRestoredSize);
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() > 0)
                m_view->zoomIn();
            else if (wheel->angleDelta().y() < 0)
                m_view->zoomOut();
            updateState();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace monit12
