#pragma once

#include <filesystem>
#include <string_view>

namespace tandrel::e2e {

// A new, empty folder under the temp folder, removed with everything in it at the end.
class TempFolder {
public:
    // `name` becomes part of the folder's name; it may hold blanks, as a user's folders do.
    explicit TempFolder(std::wstring_view name);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace tandrel::e2e
