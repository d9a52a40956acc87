// The preview window and the preview operation, on a statement filled from a small data file.
#include "app/preview_operation.h"
#include "app/preview_window.h"
#include "app/report_file.h"
#include "preview_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace monit12;

namespace {

QString statusOf(const PreviewWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("sheetStatus"))->text();
}

// A window showing the complete statement, as the preview operation leaves it.
struct OpenPreview
{
    FilledStatement statement;
    PreviewWindow window { statement.composite(), previewFonts() };

    OpenPreview()
    {
        window.open();
        window.setComplete(recordStatement(statement.composite()));
    }
};

void printToPdf(PreviewWindow &window, const QString &path, int from, int to)
{
    QPrinter &printer = window.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPrintRange(from == 0 ? QPrinter::AllPages : QPrinter::PageRange);
    printer.setFromTo(from, to);
    window.print();
}

QString pdfText(const QString &path)
{
    return QString::fromUtf8(toolOutput(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") }));
}

// The PDF's first page as a grey image at 50 dpi.
QImage pdfPageImage(const QString &path)
{
    const QByteArray pgm = toolOutput(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-gray"), QStringLiteral("-f"),
            QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), path });
    return QImage::fromData(pgm, "PGM");
}

// Pixels whose grey levels differ by more than a quarter of the scale.
int clearlyDifferentPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            different += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
    return different;
}

QString pdfInfo(const QString &path)
{
    return QString::fromUtf8(toolOutput(QStringLiteral("pdfinfo"), { path }));
}

} // namespace

TEST(PreviewWindow, OpensMaximisedAtPageWidthWithItsCaption)
{
    OpenPreview preview;
    const PreviewWindow &window = preview.window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Report Preview : "));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    // The platform may add a frame around it; the sheet area itself takes the whole screen.
    EXPECT_EQ(window.geometry().size(), window.screen()->availableGeometry().size());
    EXPECT_EQ(window.previewWidget()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    EXPECT_TRUE(window.actions().zoomToWidth->isChecked());
    EXPECT_FALSE(window.actions().zoomToFit->isChecked());
    EXPECT_EQ(window.previewWidget()->pageCount(), 2);
    EXPECT_EQ(statusOf(window), QStringLiteral("Foglio 1 di 2"));
}

TEST(PreviewWindow, ZoomCommandsSetTheModeAndItsPressedButton)
{
    OpenPreview preview;
    const PreviewActions &a = preview.window.actions();
    QPrintPreviewWidget *view = preview.window.previewWidget();
    a.zoomToFit->trigger();
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitInView);
    EXPECT_TRUE(a.zoomToFit->isChecked());
    EXPECT_FALSE(a.zoomToWidth->isChecked());
    a.actualSize->trigger();
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.0);
    EXPECT_TRUE(a.actualSize->isChecked());
    a.zoomIn->trigger();
    EXPECT_GT(view->zoomFactor(), 1.0);
    // A free zoom leaves no mode button pressed.
    EXPECT_FALSE(
        a.actualSize->isChecked() || a.zoomToFit->isChecked() || a.zoomToWidth->isChecked());
    a.zoomToWidth->trigger();
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    EXPECT_TRUE(a.zoomToWidth->isChecked());

    const qreal atWidth = view->zoomFactor();
    QWidget *viewport = view->findChild<QGraphicsView *>()->viewport();
    const QPointF at(50, 50);
    QWheelEvent ctrlWheel(at, viewport->mapToGlobal(at), {}, { 0, 120 }, Qt::NoButton,
        Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &ctrlWheel);
    EXPECT_GT(view->zoomFactor(), atWidth);
    EXPECT_FALSE(a.zoomToWidth->isChecked());
}

TEST(PreviewWindow, CloseRefusedAndPrintLoadDisabledUntilComplete)
{
    FilledStatement statement;
    PreviewWindow window(statement.composite(), previewFonts());
    int closedSignals = 0;
    QObject::connect(&window, &PreviewWindow::closed, [&] { ++closedSignals; });
    window.open();
    const RecordedDocument document = recordStatement(statement.composite());
    window.addSheet(document.sheets[0]);

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(closedSignals, 0);
    EXPECT_FALSE(window.actions().print->isEnabled());
    EXPECT_FALSE(window.actions().load->isEnabled());
    EXPECT_EQ(statusOf(window), QStringLiteral("Foglio 1 di 1"));

    window.setComplete(document);
    EXPECT_TRUE(window.actions().print->isEnabled());
    EXPECT_TRUE(window.actions().load->isEnabled());
    EXPECT_EQ(statusOf(window), QStringLiteral("Foglio 1 di 2"));
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closedSignals, 1);
}

TEST(PreviewWindow, GoToSheetOutsideTheRangeShowsSheetOne)
{
    OpenPreview preview;
    PreviewWindow &window = preview.window;
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("sheetField"));
    const struct
    {
        const char *typed;
        int shown;
    } cases[] = {
        { "2", 2 },
        { "3", 1 },
        { "2", 2 },
        { "0", 1 },
        { "2", 2 },
        { "-1", 1 },
        { "2", 2 },
        { "due", 1 },
        { "2", 2 },
        { "", 1 },
    };
    for (const auto &c : cases) {
        field->setText(QString::fromUtf8(c.typed));
        emit field->returnPressed();
        EXPECT_EQ(window.currentSheet(), c.shown) << "typed '" << c.typed << "'";
        EXPECT_EQ(statusOf(window), QStringLiteral("Foglio %1 di 2").arg(c.shown))
            << "typed '" << c.typed << "'";
    }
}

TEST(PreviewWindow, SheetCommandsMoveAndStopAtTheEnds)
{
    OpenPreview preview;
    PreviewWindow &window = preview.window;
    const PreviewActions &a = window.actions();
    EXPECT_FALSE(a.firstSheet->isEnabled());
    EXPECT_FALSE(a.previousSheet->isEnabled());
    a.nextSheet->trigger();
    EXPECT_EQ(window.currentSheet(), 2);
    EXPECT_FALSE(a.nextSheet->isEnabled());
    EXPECT_FALSE(a.lastSheet->isEnabled());
    a.previousSheet->trigger();
    EXPECT_EQ(window.currentSheet(), 1);
    a.lastSheet->trigger();
    EXPECT_EQ(statusOf(window), QStringLiteral("Foglio 2 di 2"));
    a.firstSheet->trigger();
    EXPECT_EQ(statusOf(window), QStringLiteral("Foglio 1 di 2"));
}

TEST(PreviewWindow, SavedDocumentLoadsIntoAnotherWindowPixelForPixel)
{
    OpenPreview source;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prospetto.qrp"));
    ASSERT_TRUE(source.window.saveToFile(path));

    FilledStatement other("COMUNE DI ALTROVE");
    PreviewWindow window(other.composite(), previewFonts());
    window.open();
    const RecordedDocument otherDocument = recordStatement(other.composite());
    window.setComplete(otherDocument);
    ASSERT_NE(sheetImage(otherDocument.sheets[0]), sheetImage(source.window.document().sheets[0]));

    ASSERT_TRUE(window.loadFromFile(path));
    ASSERT_EQ(window.sheetCount(), 2);
    EXPECT_EQ(statusOf(window), QStringLiteral("Foglio 1 di 2"));
    for (int i = 0; i < 2; ++i) {
        const QImage expected = sheetImage(source.window.document().sheets[std::size_t(i)]);
        EXPECT_GT(inkPixels(expected), 1000);
        EXPECT_EQ(sheetImage(window.document().sheets[std::size_t(i)]), expected)
            << "sheet " << i + 1;
    }
}

TEST(PreviewWindow, BadFileIsReportedAndTheShownDocumentStays)
{
    OpenPreview preview;
    PreviewWindow &window = preview.window;
    const QImage before = sheetImage(window.document().sheets[1]);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rotto.qrp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeReportFile(window.document()).left(1000));
    file.close();

    bool loaded = true;
    const AnsweredBox box = answerNextMessageBox([&] { loaded = window.loadFromFile(path); });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(box.title, QStringLiteral("monit12"));
    EXPECT_EQ(box.text, QStringLiteral("Il file di report %1 è incompleto.").arg(path));
    ASSERT_EQ(window.sheetCount(), 2);
    EXPECT_EQ(sheetImage(window.document().sheets[1]), before);
}

TEST(PreviewWindow, PrintWithRangeTwoToTwoSendsSheetTwoOnly)
{
    OpenPreview preview;
    QTemporaryDir dir;
    const QString both = dir.filePath(QStringLiteral("both.pdf"));
    const QString second = dir.filePath(QStringLiteral("second.pdf"));
    printToPdf(preview.window, both, 0, 0);
    printToPdf(preview.window, second, 2, 2);

    EXPECT_TRUE(pdfInfo(both).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QString info = pdfInfo(second);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();
    // Page one's revenue totals are not on it; page two's verdict box is.
    const QString text = pdfText(second);
    EXPECT_FALSE(text.contains(QStringLiteral("Totale entrate correnti nette")));
    EXPECT_TRUE(text.contains(QStringLiteral("PATTO "))) << text.toStdString();
    EXPECT_TRUE(pdfText(both).contains(QStringLiteral("Totale entrate correnti nette")));
}

TEST(PreviewWindow, AfterALoadPrintPrintsTheLoadedSheets)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("altrove.qrp"));
    {
        OpenPreview elsewhere;
        elsewhere.statement.form().setCaption(
            QStringLiteral("QRComunedi"), QStringLiteral("COMUNE DI ALTROVE"));
        elsewhere.window.setComplete(recordStatement(elsewhere.statement.composite()));
        ASSERT_TRUE(elsewhere.window.saveToFile(saved));
    }
    OpenPreview preview;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    printToPdf(preview.window, pdf, 0, 0);
    EXPECT_FALSE(pdfText(pdf).contains(QStringLiteral("ALTROVE")));

    ASSERT_TRUE(preview.window.loadFromFile(saved));
    printToPdf(preview.window, pdf, 1, 1);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("ALTROVE"))) << text.toStdString();
    EXPECT_TRUE(pdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
}

TEST(PreviewWindow, LoadedSheetsPrintWhereTheStatementPrints)
{
    OpenPreview preview;
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.pdf"));
    const QString replayed = dir.filePath(QStringLiteral("replayed.pdf"));
    const QString saved = dir.filePath(QStringLiteral("saved.qrp"));
    printToPdf(preview.window, fresh, 0, 0);
    ASSERT_TRUE(preview.window.saveToFile(saved));
    ASSERT_TRUE(preview.window.loadFromFile(saved));
    printToPdf(preview.window, replayed, 0, 0);

    const QImage expected = pdfPageImage(fresh);
    ASSERT_EQ(expected.size(), QSize(414, 585)); // 595 x 842 pt at 50 dpi, rounded up
    EXPECT_GT(inkPixels(expected), 10000);
    // A printer margin added to the replay would move every line by several pixels.
    EXPECT_LT(clearlyDifferentPixels(pdfPageImage(replayed), expected), 50);
}

TEST(PreviewWindow, PrintWithoutPrinterOrFileSaysSo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer installed";
    OpenPreview preview;
    ASSERT_EQ(preview.window.printer().outputFormat(), QPrinter::PdfFormat);
    ASSERT_TRUE(preview.window.printer().outputFileName().isEmpty());
    const AnsweredBox box
        = answerNextMessageBox([&] { preview.window.print(); }, QStringLiteral("Annulla"));
    EXPECT_EQ(box.title, QStringLiteral("monit12"));
    EXPECT_EQ(box.text,
        QStringLiteral(
            "Nessuna stampante installata: il documento si può stampare solo su un file PDF."));
    EXPECT_TRUE(preview.window.printer().outputFileName().isEmpty());
}

TEST(PreviewWindow, WithoutPrinterPrintGoesToThePdfFileOfThePrintDialog)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer installed";
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    OpenPreview preview;
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << box->text();
            for (QAbstractButton *button : box->buttons())
                if (button->text() == QStringLiteral("Stampa su file PDF..."))
                    button->click();
        } else if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            seen << dialog->windowTitle();
            dialog->accept();
        }
    });
    poll.start(10);
    preview.window.print();
    poll.stop();
    qputenv("HOME", oldHome);

    const QString pdf = QDir(home.path()).filePath(QStringLiteral("prospetto.pdf"));
    EXPECT_EQ(seen,
        (QStringList { QStringLiteral("Nessuna stampante installata: il documento si può stampare "
                                      "solo su un file PDF."),
            QStringLiteral("Imposta stampante") }));
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(pdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
}

TEST(PreviewOperation, ShowsTwoSheetsWaitsForTheCloseAndCallsTheHandlerTwice)
{
    FilledStatement statement;
    TFStampa &form = statement.form();
    int handlerCalls = 0;
    statement.composite().setAddReportsHandler([&](CompositeReport &composite) {
        ++handlerCalls;
        composite.addReport(&form.QuickRep1);
        composite.addReport(&form.QuickRep2);
    });
    struct Seen
    {
        QString title, status;
        bool maximised = false;
        int sheets = 0;
        int callsAfterPrint = 0;
        QString printedPages;
    } seen;
    QTemporaryDir dir;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        PreviewWindow *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *preview = qobject_cast<PreviewWindow *>(w); preview && preview->isVisible())
                window = preview;
        if (!window || !window->isComplete())
            return;
        poll.stop();
        seen.title = window->windowTitle();
        seen.status = statusOf(*window);
        seen.maximised = window->windowState() & Qt::WindowMaximized;
        seen.sheets = window->sheetCount();
        const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
        printToPdf(*window, pdf, 0, 0);
        seen.callsAfterPrint = handlerCalls;
        seen.printedPages = pdfInfo(pdf);
        window->actions().close->trigger();
    });
    poll.start(10);
    previewComposite(statement.composite(), previewFonts());

    EXPECT_EQ(seen.title, QStringLiteral("Report Preview : "));
    EXPECT_EQ(seen.status, QStringLiteral("Foglio 1 di 2"));
    EXPECT_TRUE(seen.maximised);
    EXPECT_EQ(seen.sheets, 2);
    EXPECT_EQ(seen.callsAfterPrint, 4); // twice for the preview, twice for the print
    EXPECT_TRUE(seen.printedPages.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    EXPECT_EQ(statement.composite().reports().size(), 2u);
}

TEST(PreviewOperation, EmptyMemberListShowsNothing)
{
    CompositeReport composite;
    int handlerCalls = 0;
    composite.setAddReportsHandler([&](CompositeReport &) { ++handlerCalls; });
    previewComposite(composite, previewFonts());
    EXPECT_EQ(handlerCalls, 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<PreviewWindow *>(w)) << "a preview window was left behind";
}
