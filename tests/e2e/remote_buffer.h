#pragma once

#include <windows.h>

#include <cstddef>

namespace tandrel::e2e {

// Memory inside another process, for messages whose pointer Windows does not carry across
// processes (the common controls' own messages). Freed with its owner.
class RemoteBuffer {
public:
    // Throws DriverError when the memory cannot be had.
    RemoteBuffer(HANDLE process, size_t bytes);
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    void* address() const { return address_; }
    LPARAM asParameter() const { return reinterpret_cast<LPARAM>(address_); }
    void write(const void* data, size_t bytes) const;
    void read(void* data, size_t bytes) const;

private:
    HANDLE process_;
    void* address_;
};

} // namespace tandrel::e2e
