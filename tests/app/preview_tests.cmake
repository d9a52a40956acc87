# The preview window, printing and report files; the end-to-end run under Xvfb.
monit12_add_test(test_preview
    SOURCES preview_test_main.cpp preview_test_support.cpp test_report_file.cpp test_preview_window.cpp
    LIBS monit12_app monit12_test_support)

add_executable(screen_grab e2e/screen_grab.cpp)
target_link_libraries(screen_grab PRIVATE Qt6::Gui monit12_warnings)
monit12_add_test(test_preview_e2e SOURCES e2e/test_preview_e2e.cpp LIBS Qt6::Gui LABELS e2e)
target_compile_definitions(test_preview_e2e PRIVATE
    MONIT12_BINARY="$<TARGET_FILE:monit12>"
    MONIT12_SCREEN_GRAB="$<TARGET_FILE:screen_grab>")
add_dependencies(test_preview_e2e monit12 screen_grab)
