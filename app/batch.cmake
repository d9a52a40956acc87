# The --batch run: worker processes, the summary, progress and signals.
target_sources(monit12_app PRIVATE
    batch_inputs.cpp
    batch_outcome.cpp
    batch_progress.cpp
    batch_run.cpp
    batch_signals.cpp
    batch_statement.cpp
    batch_summary.cpp
    batch_worker.cpp
    batch_worker_process.cpp)
