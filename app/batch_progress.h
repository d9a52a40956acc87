// The batch's progress on standard error: a bar redrawn in place when standard error is a
// terminal, nothing otherwise; the files that failed, by name; and the final count.
#pragma once

#include <QString>

#include <chrono>

namespace monit12 {

// "[#########...........]  450/1000   212.4/s   0:03 left"
QString progressText(int done, int total, double elapsedSeconds);

// "998 statements, 2 errors"
QString finalText(int statements, int errors);

class BatchProgress
{
public:
    explicit BatchProgress(bool terminal);

    bool terminal() const { return m_terminal; }
    // Redraws the bar, at most ten times a second unless `force`.
    void update(int done, int total, bool force = false);
    // A line of its own, above the bar.
    void print(const QString &line);
    // Removes the bar and prints the final count.
    void finish(int statements, int errors);

private:
    void clearBar();

    bool m_terminal;
    bool m_barShown = false;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastDrawn;
};

} // namespace monit12
