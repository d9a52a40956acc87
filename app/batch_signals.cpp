#include "app/batch_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace monit12 {

namespace {

constexpr int kHandled[] = { SIGINT, SIGTERM, SIGHUP };
int g_pipe[2] = { -1, -1 };

extern "C" void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t ignored = write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

BatchSignals::BatchSignals()
{
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_pipe[0] = g_pipe[1] = -1;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i)
        sigaction(kHandled[i], &action, &m_previous[i]);
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &m_previous[3]);
}

BatchSignals::~BatchSignals()
{
    for (int i = 0; i < 3; ++i)
        sigaction(kHandled[i], &m_previous[i], nullptr);
    sigaction(SIGPIPE, &m_previous[3], nullptr);
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

int BatchSignals::fd() const
{
    return g_pipe[0];
}

int BatchSignals::take()
{
    unsigned char bytes[16];
    ssize_t n;
    while ((n = read(g_pipe[0], bytes, sizeof bytes)) > 0) {
        if (m_first == 0)
            m_first = bytes[0];
    }
    return m_first;
}

sigset_t BatchSignals::handled()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kHandled)
        sigaddset(&set, signal);
    return set;
}

} // namespace monit12
