# The two page designs and their loader.
monit12_add_test(test_designs SOURCES test_designs.cpp LIBS monit12_statement)
