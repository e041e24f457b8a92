#pragma once

#include "tests/e2e/driver.h"
#include "tests/e2e/wait.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tandrel::e2e {

// Success once the status bar shows `expected`; else, after the wait limit, what it shows.
inline ::testing::AssertionResult statusBecomes(const RunningTandrel& app, std::wstring_view expected) {
    std::wstring shown;
    if (pollUntil([&] { return (shown = app.statusText()) == expected; })) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the status bar shows " << ::testing::PrintToString(shown)
                                         << ", expected " << ::testing::PrintToString(std::wstring(expected));
}

} // namespace tandrel::e2e
