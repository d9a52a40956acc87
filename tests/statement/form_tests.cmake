# The statement form: templates laid out, filling, the rendered sheets and the document.
monit12_add_test(test_statement_form
    SOURCES
        test_statement_main.cpp
        test_statement_support.cpp
        test_statement_templates.cpp
        test_statement_filling.cpp
        test_statement_sheets.cpp
        test_statement_document.cpp
    LIBS monit12_statement monit12_test_support)
