#pragma once

#include <memory>

namespace tandrel {

// Owns a C library's handle and gives it back through that library's own release function.
template <auto release> struct ReleaseWith {
    template <class Handle> void operator()(Handle* handle) const { release(handle); }
};

template <class Handle, auto release> using Owned = std::unique_ptr<Handle, ReleaseWith<release>>;

} // namespace tandrel
