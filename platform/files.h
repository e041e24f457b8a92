#pragma once

#include <string>

namespace tandrel {

class Files {
public:
    virtual ~Files() = default;
    virtual bool exists(const std::wstring& path) = 0;
    // Also takes "file:stream" paths; a missing file is no error.
    virtual void deleteFile(const std::wstring& path) = 0;
    // Only the last level; an existing folder or a failure is ignored.
    virtual void createDirectory(const std::wstring& path) = 0;
};

} // namespace tandrel
