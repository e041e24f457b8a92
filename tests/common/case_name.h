#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace tandrel::test {

template <class Row>
concept NamedRow = requires(const Row& row) {
    std::string_view(row.name);
};

// Names each case of a table after its row's `name`, so a failure says which row broke.
struct CaseName {
    template <NamedRow Row> std::string operator()(const ::testing::TestParamInfo<Row>& testCase) const {
        return testCase.param.name;
    }
};

// Shows a row by its name in GoogleTest's messages rather than as bytes. The tables live in
// anonymous namespaces, where GoogleTest looks for PrintTo: bring it there with `using`.
template <NamedRow Row> void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

} // namespace tandrel::test
