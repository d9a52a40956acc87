// SIGINT, SIGTERM and SIGHUP as bytes in a pipe, so that the batch's poll() wakes up for them
// and the run can stop between statements. While it exists SIGPIPE is ignored as well: a worker
// that died shows as a failed write.
#pragma once

#include <csignal>

namespace monit12 {

class BatchSignals
{
public:
    BatchSignals();
    ~BatchSignals();
    BatchSignals(const BatchSignals &) = delete;
    BatchSignals &operator=(const BatchSignals &) = delete;

    // Readable once a signal has arrived.
    int fd() const;
    // Empties the pipe; returns the first signal that arrived since the start, or 0.
    int take();

    // The signals handled here, which a worker must not receive before it ignores them.
    static sigset_t handled();

private:
    struct sigaction m_previous[4];
    int m_first = 0;
};

} // namespace monit12
