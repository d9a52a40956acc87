#include "preview_test_support.h"

#include "data/regional_settings.h"
#include "statement/sheet_recorder.h"
#include "tests/support/data_file_builder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace monit12 {

const FontBook &previewFonts()
{
    static const FontBook fonts;
    return fonts;
}

QByteArray dataFileFor(const QByteArray &municipality)
{
    // One euro on every line and as the objective: every amount label and total is written.
    test::Cents cents{{"OB", 100}};
    for (int k = 1; k <= 19; ++k) {
        cents[QStringLiteral("E%1").arg(k)] = 100;
        cents[QStringLiteral("S%1").arg(k)] = 100;
    }
    return test::dataFileBytes({cents, municipality, "2012", "01/01/2012", "31/12/2012"});
}

FilledStatement::FilledStatement(const QByteArray &municipality)
{
    const QString path = m_dir.filePath(QStringLiteral("KESTRAVO.TXT"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(dataFileFor(municipality)) < 0)
        ADD_FAILURE() << "cannot write " << path.toStdString();
    file.close();
    TFStampa::Reporting reporting { [] { ADD_FAILURE() << "data file missing"; },
        [](const QString &text) { ADD_FAILURE() << "reading error: " << text.toStdString(); } };
    m_form = std::make_unique<TFStampa>(
        previewFonts(), path, separatorsForLocaleName("it_IT.UTF-8"), std::move(reporting));
}

RecordedDocument recordStatement(CompositeReport &composite)
{
    SheetRecorder recorder(previewFonts());
    composite.generate(recorder);
    return recorder.takeDocument();
}

QImage sheetImage(const QPicture &sheet)
{
    return renderSheetImage(sheet, 60);
}

int inkPixels(const QImage &image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    return ink;
}

AnsweredBox answerNextMessageBox(const std::function<void()> &action, const QString &button)
{
    AnsweredBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = { box->windowTitle(), box->text() };
        QAbstractButton *answer = box->defaultButton();
        for (QAbstractButton *candidate : box->buttons())
            if (!button.isEmpty() && candidate->text() == button)
                answer = candidate;
        if (answer)
            answer->click();
        else
            box->reject();
    });
    poll.start(10);
    action();
    return seen;
}

QByteArray toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

} // namespace monit12
