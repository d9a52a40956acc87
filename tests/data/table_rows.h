// Table-driven tests: every row carries a name that says what it shows.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace monit12::test {

template <typename Row> std::string rowName(const testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

// Shows the row's name instead of its bytes where a failing row is reported.
template <typename Row>
requires requires(const Row &row)
{
    row.name;
}
void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

} // namespace monit12::test
