# The two page designs, compiled in as resources, and the loader that reads them.
target_sources(monit12_statement PRIVATE design_loader.cpp designs/designs.qrc)
set_target_properties(monit12_statement PROPERTIES AUTORCC ON)
