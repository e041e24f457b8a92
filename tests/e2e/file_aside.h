#pragma once

#include <filesystem>

namespace tandrel::e2e {

// Renames a file away for a test and puts it back when the test ends, failed or not.
class FileAside {
public:
    // Throws DriverError when there is no such file or it cannot be moved.
    explicit FileAside(std::filesystem::path file);
    FileAside(const FileAside&) = delete;
    FileAside& operator=(const FileAside&) = delete;
    ~FileAside();

private:
    std::filesystem::path file_;
    std::filesystem::path aside_;
};

} // namespace tandrel::e2e
