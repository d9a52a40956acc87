// The preview window: shows the rendered statement sheet by sheet, prints it, saves it to a
// report file and shows a saved one again. Its close is refused while the document is produced.
#pragma once

#include "app/preview_actions.h"
#include "app/preview_printing.h"
#include "statement/recorded_document.h"

#include <QMainWindow>
#include <QPrinter>

class QLabel;
class QLineEdit;
class QPrintPreviewWidget;

namespace monit12 {

class CompositeReport;
class FontBook;

class PreviewWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `composite` and `fonts` serve the prints, which lay the statement out afresh.
    PreviewWindow(CompositeReport &composite, const FontBook &fonts, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Puts the window on screen maximised, before the first sheet exists.
    void open();
    // A sheet of the document being produced is complete and is shown at once.
    void addSheet(const QPicture &sheet);
    // The document is complete: print and load become available and closing is allowed.
    void setComplete(RecordedDocument document);
    bool isComplete() const { return m_complete; }

    const RecordedDocument &document() const { return m_document; }
    int sheetCount() const { return int(m_document.sheets.size()); }
    int currentSheet() const;
    // A number outside 1 to the sheet count shows sheet 1.
    void goToSheet(int sheet);

    // The printer that printer setup configures and print uses.
    QPrinter &printer() { return m_printing.printer(); }
    void print();
    void printerSetup();
    // Both report failures in a message box; false when nothing was saved or loaded.
    bool saveToFile(const QString &path);
    bool loadFromFile(const QString &path);

    QPrintPreviewWidget *previewWidget() const { return m_view; }
    const PreviewActions &actions() const { return m_actions; }

signals:
    // The window was closed: the preview is over.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar();
    void connectActions();
    void paintSheets(QPrinter *printer);
    void showDocument();
    void updateState();
    void saveAs();
    void loadFrom();

    RecordedDocument m_document;
    bool m_complete = false;
    // After a load, print replays the loaded sheets instead of laying the statement out again.
    bool m_loaded = false;
    QPrinter m_previewPrinter;
    PreviewPrinting m_printing;
    PreviewActions m_actions;
    QPrintPreviewWidget *m_view = nullptr;
    QLineEdit *m_sheetField = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace monit12
