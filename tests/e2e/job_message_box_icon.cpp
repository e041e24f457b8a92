#include "tests/e2e/job_message_box_icon.h"

#include <memory>
#include <type_traits>
#include <vector>

namespace tandrel::e2e {
namespace {

struct ScreenDcReleaser {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcReleaser>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiObjectDeleter>;

BOOL CALLBACK collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

HWND iconControl(HWND box) {
    std::vector<HWND> children;
    EnumChildWindows(box, collect, reinterpret_cast<LPARAM>(&children));
    for (const HWND child : children) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            return child;
        }
    }
    return nullptr;
}

// Pixels of a bitmap of `size`, filled by `paint` on a memory device context like the screen's.
template <class Paint> std::vector<COLORREF> pixels(SIZE size, Paint paint) {
    const ScreenDc screen(GetDC(nullptr));
    const MemoryDc memory(CreateCompatibleDC(screen.get()));
    const GdiObject bitmap(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    paint(memory.get(), screen.get());
    std::vector<COLORREF> result;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            result.push_back(GetPixel(memory.get(), x, y));
        }
    }
    SelectObject(memory.get(), previous);
    return result;
}

} // namespace

std::optional<BoxIcon> messageBoxIcon(HWND box) {
    const HWND control = iconControl(box);
    RECT place{};
    if (control == nullptr || !GetWindowRect(control, &place)) {
        return std::nullopt;
    }
    const SIZE size{place.right - place.left, place.bottom - place.top};
    const std::vector<COLORREF> shown = pixels(size, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, size.cx, size.cy, screen, place.left, place.top, SRCCOPY);
    });
    if (shown.empty()) {
        return std::nullopt;
    }
    const struct {
        BoxIcon icon;
        LPCSTR resource; // an integer resource: LoadIconA and LoadIconW load the same icon
    } standard[] = {{BoxIcon::Question, IDI_QUESTION},
                    {BoxIcon::Exclamation, IDI_EXCLAMATION},
                    {BoxIcon::Information, IDI_INFORMATION},
                    {BoxIcon::Error, IDI_ERROR}};
    for (const auto& candidate : standard) {
        const std::vector<COLORREF> drawn = pixels(size, [&](HDC memory, HDC) {
            const GdiObject background(CreateSolidBrush(shown.front()));
            const RECT all{0, 0, size.cx, size.cy};
            FillRect(memory, &all, static_cast<HBRUSH>(background.get()));
            DrawIconEx(memory, 0, 0, LoadIconA(nullptr, candidate.resource), 0, 0, 0, nullptr, DI_NORMAL);
        });
        if (drawn == shown) {
            return candidate.icon;
        }
    }
    return std::nullopt;
}

} // namespace tandrel::e2e
