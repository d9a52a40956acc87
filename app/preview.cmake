# The preview window, printing and report files.
target_sources(monit12_app PRIVATE
    preview_actions.cpp
    preview_folders.cpp
    preview_operation.cpp
    preview_printing.cpp
    preview_window.cpp
    print_job.cpp
    report_file.cpp)
