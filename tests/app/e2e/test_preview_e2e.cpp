// The built program on a virtual X display, driven as a user would: the preview window appears
// maximised and Escape ends the run; the missing-file and error boxes answer to Enter.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Generous bounds on waits for other processes; no test asserts on how long anything takes.
constexpr int kWaitMs = 30000;

class XvfbDisplay
{
public:
    ~XvfbDisplay() { stop(); }

    // Starts Xvfb on a display number it finds free itself and reports once it accepts clients.
    bool start()
    {
        m_server.start(QStringLiteral("Xvfb"),
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp") });
        QByteArray reported;
        while (!reported.contains('\n') && m_server.waitForReadyRead(kWaitMs))
            reported += m_server.readAllStandardOutput();
        bool ok = false;
        const int number = reported.trimmed().toInt(&ok);
        if (!ok) {
            stop();
            return false;
        }
        m_name = QStringLiteral(":%1").arg(number);
        return true;
    }

    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(kWaitMs))
            m_server.kill();
        m_server.waitForFinished();
    }

    QString name() const { return m_name; }

private:
    QProcess m_server;
    QString m_name;
};

struct ToolRun
{
    int exitCode = -1;
    QString out;
};

class PreviewE2E : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        for (const char *tool : { "Xvfb", "xdotool", "xprop" })
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                s_missing = QLatin1String(tool);
        if (s_missing.isEmpty()) {
            s_display = new XvfbDisplay;
            if (!s_display->start())
                s_missing = QStringLiteral("a free X display");
        }
    }

    static void TearDownTestSuite()
    {
        delete s_display;
        s_display = nullptr;
    }

    void SetUp() override
    {
        if (!s_missing.isEmpty())
            GTEST_SKIP() << "needs " << s_missing.toStdString();
    }

    QProcessEnvironment displayEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), s_display->name());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }

    ToolRun tool(const QString &program, const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(displayEnvironment());
        process.start(program, arguments);
        if (!process.waitForFinished(kWaitMs)) {
            process.kill();
            process.waitForFinished();
        }
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()) };
    }

    // Starts the program in `dir`, as from a desktop shortcut: no arguments.
    void startProgram(const QString &dir)
    {
        m_program.setProcessEnvironment(displayEnvironment());
        m_program.setWorkingDirectory(dir);
        m_program.start(QStringLiteral(MONIT12_BINARY), {});
        ASSERT_TRUE(m_program.waitForStarted());
    }

    // The id of the visible window with exactly this title, waiting for it to appear.
    QString waitForWindow(const QString &title)
    {
        const ToolRun found = tool(QStringLiteral("xdotool"),
            { QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$') });
        const QString id = found.out.section(QLatin1Char('\n'), 0, 0).trimmed();
        EXPECT_FALSE(id.isEmpty()) << "no window titled '" << title.toStdString() << "'";
        return id;
    }

    void pressKey(const QString &window, const QString &key)
    {
        EXPECT_EQ(
            tool(QStringLiteral("xdotool"), { QStringLiteral("windowfocus"), window }).exitCode, 0);
        EXPECT_EQ(tool(QStringLiteral("xdotool"), { QStringLiteral("key"), key }).exitCode, 0);
    }

    // The program's exit code once it has ended on its own.
    int programExit()
    {
        if (!m_program.waitForFinished(kWaitMs)) {
            m_program.kill();
            m_program.waitForFinished();
            ADD_FAILURE() << "the program did not end";
            return -1;
        }
        return m_program.exitStatus() == QProcess::NormalExit ? m_program.exitCode() : -1;
    }

    void checkPreviewFillsTheScreen(const QString &window)
    {
        const QString geometry
            = tool(QStringLiteral("xdotool"), { QStringLiteral("getwindowgeometry"), window }).out;
        EXPECT_TRUE(geometry.contains(QStringLiteral("Geometry: 1280x1024")))
            << geometry.toStdString();
        const QString state = tool(QStringLiteral("xprop"),
            { QStringLiteral("-id"), window, QStringLiteral("_NET_WM_STATE") })
                                  .out;
        EXPECT_TRUE(state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"))
            && state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ")))
            << state.toStdString();
    }

    // Grabs the screen until `ready` accepts it, a bounded number of times, since the program
    // paints after the window is mapped and after a key. Kept in MONIT12_E2E_SCREENSHOT_DIR when
    // that is set.
    QImage screenshot(const QString &name, const std::function<bool(const QImage &)> &ready)
    {
        const QString folder = qEnvironmentVariable("MONIT12_E2E_SCREENSHOT_DIR", m_dir.path());
        const QString path = QDir(folder).filePath(name);
        QImage shot;
        for (int attempt = 0; attempt < 100 && (shot.isNull() || !ready(shot)); ++attempt) {
            if (tool(QStringLiteral(MONIT12_SCREEN_GRAB), { path }).exitCode == 0)
                shot.load(path);
        }
        EXPECT_EQ(shot.size(), QSize(1280, 1024)) << name.toStdString();
        return shot;
    }

    // Anything drawn on the black root window.
    static bool somethingShown(const QImage &shot)
    {
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4)
                if ((shot.pixel(x, y) & 0xffffff) != 0)
                    return true;
        return false;
    }

    static bool mostlyWhite(const QImage &shot)
    {
        int white = 0;
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4)
                white += (shot.pixel(x, y) & 0xffffff) == 0xffffff;
        return white * 16 > shot.width() * shot.height() / 2;
    }

    void writeDataFile(const QByteArray &contents)
    {
        QFile file(m_dir.filePath(QStringLiteral("KESTRAVO.TXT")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    static QByteArray sampleDataFile()
    {
        QFile sample(QStringLiteral(MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT"));
        EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
        return sample.readAll();
    }

    static inline XvfbDisplay *s_display = nullptr;
    static inline QString s_missing;
    QTemporaryDir m_dir;
    QProcess m_program;
};

TEST_F(PreviewE2E, DataFilePresentShowsTheMaximisedPreviewAndEscapeEndsTheRun)
{
    writeDataFile(sampleDataFile());
    startProgram(m_dir.path());
    const QString preview = waitForWindow(QStringLiteral("Report Preview : "));
    ASSERT_FALSE(preview.isEmpty());
    checkPreviewFillsTheScreen(preview);
    // At page width the white sheet fills most of the screen.
    const QImage sheetOne = screenshot(QStringLiteral("preview.png"), mostlyWhite);
    EXPECT_TRUE(mostlyWhite(sheetOne));
    // Page Down brings sheet 2 into view.
    pressKey(preview, QStringLiteral("Next"));
    const auto moved = [&](const QImage &shot) { return shot != sheetOne; };
    EXPECT_TRUE(moved(screenshot(QStringLiteral("preview-sheet-2.png"), moved)));
    pressKey(preview, QStringLiteral("Escape"));
    EXPECT_EQ(programExit(), 0);
}

TEST_F(PreviewE2E, DataFileMissingShowsTheMessageAndEnterEndsTheRun)
{
    startProgram(m_dir.path());
    const QString box = waitForWindow(QStringLiteral("monit12"));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(somethingShown(screenshot(QStringLiteral("missing-file.png"), somethingShown)));
    pressKey(box, QStringLiteral("Return"));
    EXPECT_EQ(programExit(), 0);
}

TEST_F(PreviewE2E, MalformedDataFileShowsTheErrorBoxThenThePreview)
{
    QByteArray contents = sampleDataFile();
    const qsizetype amount = contents.indexOf("ENT000002") + 9;
    contents.replace(amount, 14, "           ABC");
    writeDataFile(contents);
    startProgram(m_dir.path());
    const QString box = waitForWindow(QStringLiteral("monit12"));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(somethingShown(screenshot(QStringLiteral("error-box.png"), somethingShown)));
    pressKey(box, QStringLiteral("Return"));
    const QString preview = waitForWindow(QStringLiteral("Report Preview : "));
    ASSERT_FALSE(preview.isEmpty());
    pressKey(preview, QStringLiteral("Escape"));
    EXPECT_EQ(programExit(), 0);
}

} // namespace
