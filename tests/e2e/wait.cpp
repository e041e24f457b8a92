#include "tests/e2e/wait.h"

#include "tests/e2e/driver_error.h"

#include <thread>

namespace tandrel::e2e {

bool pollUntil(const std::function<bool()>& condition, Milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(Milliseconds(25));
    }
}

void waitUntil(const std::function<bool()>& condition, const std::string& what, Milliseconds limit) {
    if (!pollUntil(condition, limit)) {
        throw DriverError(what + " (waited " + std::to_string(limit.count()) + " ms)");
    }
}

} // namespace tandrel::e2e
