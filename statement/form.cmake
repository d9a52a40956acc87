# The statement form: filling the value labels and joining the pages into one document.
target_sources(monit12_statement PRIVATE
    statement_filling.cpp
    statement_export.cpp
    tf_stampa.cpp)
