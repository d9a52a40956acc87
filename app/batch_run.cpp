#include "app/batch_run.h"

#include "app/batch_inputs.h"
#include "app/batch_progress.h"
#include "app/batch_signals.h"
#include "app/batch_statement.h"
#include "app/batch_summary.h"
#include "app/batch_worker.h"
#include "app/batch_worker_process.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <poll.h>
#include <sched.h>
#include <unistd.h>
#include <vector>

namespace monit12 {

namespace {

// Replacements for workers that died are started until this many die in a row.
constexpr int kMaxCrashesInARow = 3;

struct Worker
{
    std::unique_ptr<BatchWorkerProcess> process;
    int file = -1; // the input being rendered, -1 when idle
};

int availableCores()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
}

// The running program's own file, even when a newer version has replaced it on disk since.
QByteArray ownExecutable(const char *argv0)
{
    return access("/proc/self/exe", X_OK) == 0 ? QByteArray("/proc/self/exe") : QByteArray(argv0);
}

QString crashText(const QString &how)
{
    return QStringLiteral("Il processo che scriveva il prospetto è terminato in modo anomalo (%1).")
        .arg(how.isEmpty() ? QStringLiteral("senza risposta") : how);
}

class BatchRun
{
public:
    BatchRun(const char *argv0, const CommandLine &line, std::vector<BatchInput> inputs)
        : m_inputs(std::move(inputs))
        , m_outcomes(m_inputs.size())
        , m_progress(isatty(STDERR_FILENO) == 1)
    {
        m_format = line.batchPng ? BatchFormat::Png : BatchFormat::Pdf;
        m_executable = ownExecutable(argv0);
        m_workerArguments = { QByteArray(argv0), QByteArray("--batch-worker") };
        if (line.batchPng)
            m_workerArguments.insert(m_workerArguments.end(),
                { QByteArray("--png"), QByteArray("--dpi"), QByteArray::number(line.dpi) });
        const int jobs = line.jobs > 0 ? line.jobs : availableCores();
        m_jobs = std::min<int>(jobs, int(m_inputs.size()));
    }

    // Returns the signal that stopped the run, or 0.
    int run()
    {
        for (int i = 0; i < m_jobs; ++i)
            startWorker();
        while (!m_workers.empty()) {
            dispatch();
            if (m_workers.empty())
                break;
            waitForEvents();
            m_progress.update(m_done, int(m_inputs.size()));
        }
        if (!m_stoppedBy) {
            // No worker could be started or kept alive: the files left over cannot be rendered.
            for (; m_next < m_inputs.size(); ++m_next) {
                const QString &clash = m_inputs[m_next].clash;
                record(int(m_next), failedOutcome(clash.isEmpty() ? m_workerError : clash));
            }
        }
        return m_stoppedBy;
    }

    std::vector<SummaryRow> rows() const
    {
        std::vector<SummaryRow> rows;
        for (std::size_t i = 0; i < m_inputs.size(); ++i)
            if (m_outcomes[i])
                rows.push_back({ m_inputs[i].fileName, *m_outcomes[i] });
        return rows;
    }

    BatchProgress &progress() { return m_progress; }
    int written() const { return m_written; }
    int failed() const { return m_done - m_written; }
    int notDone() const { return int(m_inputs.size()) - m_done; }

private:
    void startWorker()
    {
        QString error;
        auto process = BatchWorkerProcess::start(m_executable, m_workerArguments, error);
        if (!process) {
            m_workerError
                = QStringLiteral("Impossibile avviare il processo che scrive i prospetti: %1.")
                      .arg(error);
            return;
        }
        m_workers.push_back({ std::move(process), -1 });
    }

    void dispatch()
    {
        for (Worker &worker : m_workers) {
            if (worker.file >= 0 || !worker.process->inputOpen())
                continue;
            while (!m_stoppedBy && m_next < m_inputs.size() && !m_inputs[m_next].clash.isEmpty()) {
                record(int(m_next), failedOutcome(m_inputs[m_next].clash));
                ++m_next;
            }
            if (m_stoppedBy || m_next >= m_inputs.size()) {
                worker.process->closeInput();
                continue;
            }
            const BatchInput &input = m_inputs[m_next];
            worker.file = int(m_next++);
            // A worker that cannot take the request has ended: its end is handled when read.
            if (!worker.process->send(batchRequest(input.inputPath, input.outputPath)))
                worker.process->closeInput();
        }
    }

    void waitForEvents()
    {
        std::vector<pollfd> fds;
        fds.push_back({ m_signals.fd(), POLLIN, 0 });
        for (const Worker &worker : m_workers)
            fds.push_back({ worker.process->outputFd(), POLLIN, 0 });
        const int timeoutMs = m_progress.terminal() ? 250 : -1;
        const int ready = poll(fds.data(), nfds_t(fds.size()), timeoutMs);
        // Checked whether poll() saw the pipe or was interrupted by the signal itself.
        if (const int signal = m_signals.take())
            stop(signal);
        if (ready <= 0)
            return;
        std::vector<std::size_t> ended;
        for (std::size_t i = 0; i < m_workers.size(); ++i) {
            if (fds[i + 1].revents && !readAnswers(m_workers[i]))
                ended.push_back(i);
        }
        for (auto it = ended.rbegin(); it != ended.rend(); ++it)
            workerEnded(*it);
    }

    void stop(int signal)
    {
        if (m_stoppedBy)
            return;
        m_stoppedBy = signal;
        // Each worker finishes the statement it has begun, answers, and ends.
        for (Worker &worker : m_workers)
            worker.process->closeInput();
    }

    bool readAnswers(Worker &worker)
    {
        std::vector<QByteArray> lines;
        const bool open = worker.process->read(lines);
        for (const QByteArray &line : lines) {
            const auto outcome = decodeOutcome(line);
            if (!outcome || worker.file < 0)
                continue;
            record(worker.file, *outcome);
            worker.file = -1;
            m_crashesInARow = 0;
        }
        return open;
    }

    void workerEnded(std::size_t index)
    {
        Worker worker = std::move(m_workers[index]);
        m_workers.erase(m_workers.begin() + std::ptrdiff_t(index));
        const QString how = worker.process->wait();
        if (worker.file < 0 && how.isEmpty())
            return;
        m_workerError = crashText(how);
        if (worker.file >= 0) {
            // It may have died between writing the statement and saying so: no answer, no file.
            const BatchInput &input = m_inputs[std::size_t(worker.file)];
            removeBatchOutput(input.outputPath, m_format);
            record(worker.file, failedOutcome(m_workerError));
        }
        if (++m_crashesInARow < kMaxCrashesInARow && !m_stoppedBy && m_next < m_inputs.size())
            startWorker();
    }

    void record(int file, const BatchOutcome &outcome)
    {
        m_outcomes[std::size_t(file)] = outcome;
        ++m_done;
        if (outcome.written)
            ++m_written;
        else
            m_progress.print(
                m_inputs[std::size_t(file)].fileName + QLatin1String(": ") + outcome.error);
        m_progress.update(m_done, int(m_inputs.size()));
    }

    std::vector<BatchInput> m_inputs;
    std::vector<std::optional<BatchOutcome>> m_outcomes;
    BatchProgress m_progress;
    BatchSignals m_signals;
    BatchFormat m_format = BatchFormat::Pdf;
    QByteArray m_executable;
    std::vector<QByteArray> m_workerArguments;
    std::vector<Worker> m_workers;
    QString m_workerError;
    std::size_t m_next = 0;
    int m_jobs = 1;
    int m_done = 0;
    int m_written = 0;
    int m_crashesInARow = 0;
    int m_stoppedBy = 0;
};

void printError(const QString &title, const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), text.toLocal8Bit().constData());
}

// The folder is created if missing and proven writable by creating a file in it.
bool outputFolderWritable(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".monit12-XXXXXX")));
    return probe.open();
}

} // namespace

int runBatch(const char *argv0, const QString &title, const CommandLine &line)
{
    const QFileInfo inDir(line.batchInput);
    if (!inDir.isDir() || !inDir.isReadable()) {
        printError(title, QStringLiteral("cannot read the folder %1").arg(line.batchInput));
        return 2;
    }
    if (!outputFolderWritable(line.output)) {
        printError(title, QStringLiteral("cannot write to the folder %1").arg(line.output));
        return 2;
    }
    const BatchFormat format = line.batchPng ? BatchFormat::Png : BatchFormat::Pdf;
    BatchRun batch(argv0, line, listBatchInputs(line.batchInput, line.output, format));
    const int stoppedBy = batch.run();

    const QString summaryPath = QDir(line.output).filePath(QStringLiteral("summary.csv"));
    const auto summaryError = writeSummary(summaryPath, summaryCsv(batch.rows()));
    if (stoppedBy)
        batch.progress().print(QStringLiteral("stopped by signal %1: %2 files not done")
                                   .arg(stoppedBy)
                                   .arg(batch.notDone()));
    batch.progress().finish(batch.written(), batch.failed());
    if (summaryError) {
        printError(title, *summaryError);
        return 2;
    }
    if (stoppedBy)
        return 128 + stoppedBy;
    return batch.failed() > 0 ? 1 : 0;
}

} // namespace monit12
