#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace tandrel::e2e {

using Milliseconds = std::chrono::milliseconds;

// Long enough for a program start under Wine on a busy machine, short enough that a test that
// waits in vain ends well within its ctest timeout.
inline constexpr Milliseconds kWaitLimit{20000};

// Checks `condition` every 25 ms until it holds; false when `limit` passes first.
bool pollUntil(const std::function<bool()>& condition, Milliseconds limit = kWaitLimit);

// As pollUntil, but a miss throws a DriverError that says what did not happen.
void waitUntil(const std::function<bool()>& condition, const std::string& what,
               Milliseconds limit = kWaitLimit);

} // namespace tandrel::e2e
