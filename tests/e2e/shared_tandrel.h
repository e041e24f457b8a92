#pragma once

#include "tests/e2e/driver.h"
#include "tests/e2e/test_environment.h"

#include <gtest/gtest.h>

#include <optional>

namespace tandrel::e2e {

// One running program for all cases of a suite: a start costs seconds under Wine, and the cases
// only look at the program or undo what they change.
template <class Base = ::testing::Test> class SharedTandrelTest : public Base {
public:
    static void SetUpTestSuite() { app_.emplace(startTandrel(tandrel64Path())); }
    static void TearDownTestSuite() {
        if (app_) {
            app_->closeWithCloseBox();
        }
        app_.reset();
    }

protected:
    void SetUp() override { ASSERT_TRUE(app_.has_value()) << "the program did not start for this suite"; }
    static const RunningTandrel& app() { return *app_; }

private:
    inline static std::optional<RunningTandrel> app_;
};

} // namespace tandrel::e2e
