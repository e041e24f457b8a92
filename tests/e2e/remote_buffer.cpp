#include "tests/e2e/remote_buffer.h"

#include "tests/e2e/driver_error.h"

#include <string>

namespace tandrel::e2e {

RemoteBuffer::RemoteBuffer(HANDLE process, size_t bytes)
    : process_(process), address_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE)) {
    if (address_ == nullptr) {
        throw DriverError("VirtualAllocEx failed: error " + std::to_string(GetLastError()));
    }
}

RemoteBuffer::~RemoteBuffer() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

void RemoteBuffer::write(const void* data, size_t bytes) const {
    SIZE_T written = 0;
    if (!WriteProcessMemory(process_, address_, data, bytes, &written) || written != bytes) {
        throw DriverError("WriteProcessMemory failed: error " + std::to_string(GetLastError()));
    }
}

void RemoteBuffer::read(void* data, size_t bytes) const {
    SIZE_T copied = 0;
    if (!ReadProcessMemory(process_, address_, data, bytes, &copied) || copied != bytes) {
        throw DriverError("ReadProcessMemory failed: error " + std::to_string(GetLastError()));
    }
}

} // namespace tandrel::e2e
