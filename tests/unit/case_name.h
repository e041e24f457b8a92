#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tandrel::test {

// Names each instance of a table-driven test after its case's `name`.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

} // namespace tandrel::test
