#include "tests/e2e/file_aside.h"

#include "tests/e2e/driver_error.h"
#include "tools/common/utf8.h"

#include <windows.h>

namespace tandrel::e2e {

FileAside::FileAside(std::filesystem::path file) : file_(std::move(file)), aside_(file_) {
    aside_ += L".aside";
    if (!MoveFileExW(file_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        throw DriverError("cannot move " + tools::toUtf8(file_.wstring()) + " aside: error " +
                          std::to_string(GetLastError()));
    }
}

FileAside::~FileAside() {
    MoveFileExW(aside_.c_str(), file_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace tandrel::e2e
