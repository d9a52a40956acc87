// The launcher's show handler under the offscreen platform: the missing-file path and the
// statement run, as a user meets them.
#include "app/tf_menu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace monit12;

namespace {

struct DialogSeen
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;
};

// Reads the modal dialog as soon as it is up, then dismisses it with the key given.
void inspectModalThenPress(DialogSeen &seen, Qt::Key key)
{
    QTimer::singleShot(0, [&seen, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            inspectModalThenPress(seen, key);
            return;
        }
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        for (QAbstractButton *b : box->buttons())
            seen.buttons << b->text();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    });
}

class InDirectory
{
public:
    explicit InDirectory(const QString &path) : m_old(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InDirectory() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

} // namespace

TEST(Launcher, MissingFileShowsThePlainMessageAndEndsTheRun)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTemporaryDir dir;
        // A folder of that name is no data file.
        ASSERT_TRUE(QDir(dir.path()).mkdir("KESTRAVO.TXT"));
        InDirectory in(dir.path());
        int statementRuns = 0;
        TFMenu menu([&](TFMenu &) { ++statementRuns; });
        DialogSeen seen;
        inspectModalThenPress(seen, key);
        QTimer::singleShot(0, &menu, [&menu] { menu.show(); });
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.title, QStringLiteral("monit12"));
        EXPECT_EQ(seen.text, QStringLiteral("Non trovo il file KESTRAVO.TXT impossibile proseguire."));
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons, QStringList{"OK"});
        EXPECT_EQ(statementRuns, 0);
        EXPECT_EQ(menu.NomeFile, QStringLiteral("KESTRAVO.TXT"));
    }
}

TEST(Launcher, DataFilePresentRunsTheStatementOnceThenEnds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("KESTRAVO.TXT")).open(QIODevice::WriteOnly));
    InDirectory in(dir.path());
    int statementRuns = 0;
    TFMenu menu([&](TFMenu &) { ++statementRuns; });
    QTimer::singleShot(0, &menu, [&menu] { menu.show(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(statementRuns, 1);
}

TEST(Launcher, AnErrorEscapingTheRunShowsTheErrorBoxAndKeepsTheLauncher)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("KESTRAVO.TXT")).open(QIODevice::WriteOnly));
    InDirectory in(dir.path());
    TFMenu menu([](TFMenu &) { throw std::runtime_error("<b>Out of memory</b>"); });
    DialogSeen seen;
    inspectModalThenPress(seen, Qt::Key_Return);
    bool stillOpen = false;
    QTimer::singleShot(0, &menu, [&] {
        menu.show();
        // After the box the launcher stays on screen and the event loop runs on.
        QTimer::singleShot(50, [&] {
            stillOpen = menu.isVisible();
            QApplication::quit();
        });
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(seen.shown);
    // Shown as it stands, not as markup.
    EXPECT_EQ(seen.text, QStringLiteral("<b>Out of memory</b>."));
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(stillOpen);
}

int main(int argc, char **argv)
{
    // Listing the tests at build time runs this too, without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("monit12"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
