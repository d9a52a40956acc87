#include "app/batch_worker_process.h"

#include "app/batch_signals.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace monit12 {

namespace {

void closeFd(int &fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

} // namespace

std::unique_ptr<BatchWorkerProcess> BatchWorkerProcess::start(
    const QByteArray &executable, const std::vector<QByteArray> &arguments, QString &error)
{
    int toWorker[2];
    int fromWorker[2];
    if (pipe2(toWorker, O_CLOEXEC) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    if (pipe2(fromWorker, O_CLOEXEC) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        close(toWorker[0]);
        close(toWorker[1]);
        return nullptr;
    }
    // Prepared before the fork: the child only makes system calls.
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);

    // A Ctrl+C between the fork and the worker's own setup must not reach the worker.
    const sigset_t handled = BatchSignals::handled();
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &handled, &previous);
    const pid_t pid = fork();
    if (pid == 0) {
        for (const int signal : { SIGINT, SIGTERM, SIGHUP })
            std::signal(signal, SIG_IGN);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        if (dup2(toWorker[0], STDIN_FILENO) < 0 || dup2(fromWorker[1], STDOUT_FILENO) < 0)
            _exit(127);
        execvp(executable.constData(), argv.data());
        _exit(127);
    }
    const int forkErrno = errno;
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    close(toWorker[0]);
    close(fromWorker[1]);
    if (pid < 0) {
        error = QString::fromLocal8Bit(std::strerror(forkErrno));
        close(toWorker[1]);
        close(fromWorker[0]);
        return nullptr;
    }
    fcntl(fromWorker[0], F_SETFL, fcntl(fromWorker[0], F_GETFL) | O_NONBLOCK);
    return std::unique_ptr<BatchWorkerProcess>(
        new BatchWorkerProcess(pid, toWorker[1], fromWorker[0]));
}

BatchWorkerProcess::BatchWorkerProcess(pid_t pid, int in, int out)
    : m_pid(pid)
    , m_in(in)
    , m_out(out)
{
}

BatchWorkerProcess::~BatchWorkerProcess()
{
    closeFd(m_in);
    closeFd(m_out);
    wait();
}

bool BatchWorkerProcess::send(const QByteArray &request)
{
    qsizetype sent = 0;
    while (m_in >= 0 && sent < request.size()) {
        const ssize_t n
            = write(m_in, request.constData() + sent, std::size_t(request.size() - sent));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return m_in >= 0;
}

void BatchWorkerProcess::closeInput()
{
    closeFd(m_in);
}

bool BatchWorkerProcess::read(std::vector<QByteArray> &lines)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_out, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK;
        if (n == 0)
            return false;
        m_pending.append(buffer, n);
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            lines.push_back(m_pending.left(end + 1));
            m_pending.remove(0, end + 1);
        }
    }
}

QString BatchWorkerProcess::wait()
{
    if (m_pid <= 0)
        return {};
    int status = 0;
    pid_t done;
    while ((done = waitpid(m_pid, &status, 0)) < 0 && errno == EINTR) { }
    m_pid = 0;
    if (done < 0)
        return {};
    if (WIFSIGNALED(status))
        return QStringLiteral("segnale %1").arg(WTERMSIG(status));
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        return QStringLiteral("codice %1").arg(WEXITSTATUS(status));
    return {};
}

} // namespace monit12
