// The batch run's end of one worker process: starting it, sending it data files, reading its
// answers, and collecting its exit status.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <sys/types.h>
#include <vector>

namespace monit12 {

class BatchWorkerProcess
{
public:
    // Runs `executable` (searched in PATH when it has no slash) with `arguments`, the first being
    // the name it is shown by; its standard input and output connected to this object and the
    // batch's signals ignored from the start. Null on failure, with the reason in `error`.
    static std::unique_ptr<BatchWorkerProcess> start(
        const QByteArray &executable, const std::vector<QByteArray> &arguments, QString &error);
    ~BatchWorkerProcess();
    BatchWorkerProcess(const BatchWorkerProcess &) = delete;
    BatchWorkerProcess &operator=(const BatchWorkerProcess &) = delete;

    // False when the worker can no longer be written to (it has ended).
    bool send(const QByteArray &request);
    // The worker finishes what it was sent and ends.
    void closeInput();
    bool inputOpen() const { return m_in >= 0; }

    // The descriptor to poll for answers.
    int outputFd() const { return m_out; }
    // Appends the complete answer lines that can be read now; false once the worker's output
    // has ended.
    bool read(std::vector<QByteArray> &lines);

    // Waits for the worker to end; a text for an abnormal end ("segnale 11", "codice 3"),
    // empty for a normal one.
    QString wait();

private:
    BatchWorkerProcess(pid_t pid, int in, int out);

    pid_t m_pid;
    int m_in;
    int m_out;
    QByteArray m_pending; // the start of an answer line not yet complete
};

} // namespace monit12
