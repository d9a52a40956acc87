#include "app/batch_progress.h"

#include <cmath>
#include <cstdio>

namespace monit12 {

namespace {

constexpr int kBarWidth = 20;

void write(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

QString progressText(int done, int total, double elapsedSeconds)
{
    const int filled = total > 0 ? int(qint64(done) * kBarWidth / total) : kBarWidth;
    QString text = QLatin1Char('[') + QString(filled, QLatin1Char('#'))
        + QString(kBarWidth - filled, QLatin1Char('.')) + QLatin1Char(']');
    const int digits = int(QString::number(total).size());
    text += QStringLiteral("  %1/%2").arg(done, digits).arg(total);
    if (done == 0 || elapsedSeconds <= 0)
        return text;
    const double rate = done / elapsedSeconds;
    const int left = int(std::lround((total - done) / rate));
    text += QStringLiteral("  %1/s  %2:%3 left")
                .arg(rate, 7, 'f', 1)
                .arg(left / 60)
                .arg(left % 60, 2, 10, QLatin1Char('0'));
    return text;
}

QString finalText(int statements, int errors)
{
    return QStringLiteral("%1 statements, %2 errors").arg(statements).arg(errors);
}

BatchProgress::BatchProgress(bool terminal)
    : m_terminal(terminal)
    , m_start(std::chrono::steady_clock::now())
{
}

void BatchProgress::update(int done, int total, bool force)
{
    if (!m_terminal)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && m_barShown && now - m_lastDrawn < std::chrono::milliseconds(100))
        return;
    m_lastDrawn = now;
    const double elapsed = std::chrono::duration<double>(now - m_start).count();
    write(QLatin1Char('\r') + progressText(done, total, elapsed) + QLatin1String("\x1b[K"));
    m_barShown = true;
}

void BatchProgress::print(const QString &line)
{
    clearBar();
    write(line + QLatin1Char('\n'));
}

void BatchProgress::finish(int statements, int errors)
{
    print(finalText(statements, errors));
}

void BatchProgress::clearBar()
{
    if (m_barShown)
        write(QStringLiteral("\r\x1b[K"));
    m_barShown = false;
}

} // namespace monit12
