#pragma once

#include <stdexcept>
#include <string>

namespace tandrel::e2e {

// What the driver throws when the program does not do what a test waits for (a window that does
// not appear, a process that does not end): GoogleTest fails the test with this text.
struct DriverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace tandrel::e2e
