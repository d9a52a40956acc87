# The report engine: layout with a fake and with the real metrics, drawing, pagination, output.
set(ENGINE_TEST_SUPPORT engine_test_support.cpp)
monit12_add_test(test_label_layout
    SOURCES test_label_layout.cpp ${ENGINE_TEST_SUPPORT} LIBS monit12_statement)
monit12_add_test(test_font_book
    SOURCES test_font_book.cpp ${ENGINE_TEST_SUPPORT} LIBS monit12_statement)
monit12_add_test(test_band_painter
    SOURCES test_band_painter.cpp ${ENGINE_TEST_SUPPORT} LIBS monit12_statement)
monit12_add_test(test_composite_report
    SOURCES test_composite_report.cpp LIBS monit12_statement)
monit12_add_test(test_sheet_output
    SOURCES test_sheet_output.cpp ${ENGINE_TEST_SUPPORT} LIBS monit12_statement Qt6::PrintSupport)
monit12_add_test(test_font_book_cache SOURCES test_font_book_cache.cpp LIBS monit12_statement)
