# The report engine: fonts and metrics, label layout, band drawing, pagination, sheet output.
target_sources(monit12_statement PRIVATE
    text_metrics.cpp
    font_files.cpp
    font_book.cpp
    label_layout.cpp
    label_lookup.cpp
    sheet_transform.cpp
    band_painter.cpp
    composite_report.cpp
    placement_log.cpp
    recorded_document.cpp
    sheet_recorder.cpp
    paged_sheets.cpp
    paged_device_sink.cpp)
