// Shared by the preview tests: a QApplication with the statement's fonts, a filled statement
// on a data file written here, and a hand that answers the next message box.
#pragma once

#include "statement/font_book.h"
#include "statement/recorded_document.h"
#include "statement/tf_stampa.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace monit12 {

const FontBook &previewFonts();

// A 38-line data file: the municipality's name on the header, every amount 1,00 euro.
QByteArray dataFileFor(const QByteArray &municipality);

// The statement form filled from a data file in a directory of its own.
class FilledStatement
{
public:
    explicit FilledStatement(const QByteArray &municipality = "COMUNE DI PROVA");
    TFStampa &form() { return *m_form; }
    CompositeReport &composite() { return m_form->QRCompositeReport1; }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFStampa> m_form;
};

// The sheets a generation pass records, as the preview shows them.
RecordedDocument recordStatement(CompositeReport &composite);

// The sheet at 60 dpi; sheets compare by these pixels.
QImage sheetImage(const QPicture &sheet);
// Pixels that are not white.
int inkPixels(const QImage &image);

// The caption and text of the message box that the next action opens, which is then answered
// with the button of the given text (or its default button when empty).
struct AnsweredBox
{
    QString title;
    QString text;
};
AnsweredBox answerNextMessageBox(const std::function<void()> &action, const QString &button = {});

// Runs a command-line tool and returns its standard output.
QByteArray toolOutput(const QString &program, const QStringList &arguments);

} // namespace monit12
