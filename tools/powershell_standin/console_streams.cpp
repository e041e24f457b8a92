#include "tools/powershell_standin/console_streams.h"

#include "tools/common/utf8.h"

#include <windows.h>

#include <algorithm>

namespace tandrel::tools {

void writeBytes(Stream stream, const std::string& bytes) {
    const HANDLE handle = GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        DWORD done = 0;
        if (!WriteFile(handle, bytes.data() + written, wanted, &done, nullptr) || done == 0) {
            return; // the reader has gone
        }
        written += done;
    }
}

void writeLines(Stream stream, const Lines& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) {
        text += line + L"\r\n";
    }
    writeBytes(stream, toUtf8(text));
}

} // namespace tandrel::tools
