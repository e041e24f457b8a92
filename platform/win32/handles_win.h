#pragma once

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <utility>

namespace tandrel {

// Owns one handle and closes it exactly once; Traits says what counts as no handle and how to close one.
template <typename Traits> class Owner {
public:
    using Handle = typename Traits::Handle;

    Owner() = default;
    explicit Owner(Handle handle) : handle_(handle) {}
    Owner(Owner&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owner& operator=(Owner&& other) noexcept {
        reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    ~Owner() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    void reset(Handle handle = Handle{}) {
        if (Traits::valid(handle_)) {
            Traits::close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

template <typename H, auto Close> struct NullTraits {
    using Handle = H;
    static bool valid(Handle handle) { return handle != nullptr; }
    static void close(Handle handle) { Close(handle); }
};

// Kernel objects: some calls fail with null, others with INVALID_HANDLE_VALUE.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static bool valid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void close(Handle handle) { CloseHandle(handle); }
};

using KeyOwner = Owner<NullTraits<HKEY, RegCloseKey>>;
using HandleOwner = Owner<KernelHandleTraits>;
using IconOwner = Owner<NullTraits<HICON, DestroyIcon>>;
using ImageListOwner = Owner<NullTraits<HIMAGELIST, ImageList_Destroy>>;
using MemoryDcOwner = Owner<NullTraits<HDC, DeleteDC>>;
using ModuleOwner = Owner<NullTraits<HMODULE, FreeLibrary>>;
using WindowOwner = Owner<NullTraits<HWND, DestroyWindow>>;

template <typename Gdi> using GdiOwner = Owner<NullTraits<Gdi, DeleteObject>>;
using BitmapOwner = GdiOwner<HBITMAP>;
using FontOwner = GdiOwner<HFONT>;
using PenOwner = GdiOwner<HPEN>;

// A registered window class, unregistered again by its owner.
class WindowClassOwner {
public:
    WindowClassOwner() = default;
    WindowClassOwner(const WindowClassOwner&) = delete;
    WindowClassOwner& operator=(const WindowClassOwner&) = delete;
    ~WindowClassOwner() { reset(); }

    void registerClass(const WNDCLASSEXW& windowClass) {
        reset();
        atom_ = RegisterClassExW(&windowClass);
        instance_ = windowClass.hInstance;
    }
    // The name to pass to CreateWindowExW.
    const wchar_t* name() const { return MAKEINTRESOURCEW(atom_); }
    void reset() {
        if (atom_ != 0) {
            UnregisterClassW(name(), instance_);
        }
        atom_ = 0;
    }

private:
    ATOM atom_ = 0;
    HINSTANCE instance_ = nullptr;
};

// COM for the calling thread, from CoInitialize to CoUninitialize.
class ComOwner {
public:
    ComOwner() = default;
    ComOwner(const ComOwner&) = delete;
    ComOwner& operator=(const ComOwner&) = delete;
    ~ComOwner() { reset(); }

    void initialise() { initialised_ = SUCCEEDED(CoInitialize(nullptr)); }
    void reset() {
        if (initialised_) {
            CoUninitialize();
        }
        initialised_ = false;
    }

private:
    bool initialised_ = false;
};

// A window's client-area device context, released on scope exit.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(window_, dc_); }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A GDI object selected into a device context for one scope; the previous one comes back at its end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace tandrel
