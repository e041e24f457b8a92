#include "platform/win32/ui_win.h"

#include <richedit.h>

#include <climits>

// The trace log is a rich edit control. These calls may come from the job's worker thread:
// SendMessageW hands each to the thread that owns the control and waits for it.

namespace tandrel {

void Win32Ui::appendText(Control control, const std::wstring& text) {
    const HWND edit = window(control);
    SendMessageW(edit, EM_HIDESELECTION, TRUE, 0);
    SendMessageW(edit, EM_SETSEL, INT_MAX, INT_MAX); // clamped to the end of the text
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(edit, EM_HIDESELECTION, FALSE, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

bool Win32Ui::endsWithLineBreak(Control control) {
    const HWND edit = window(control);
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto count =
        static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    if (count <= 0) {
        return false;
    }
    wchar_t last[2] = {};
    TEXTRANGEW range{{count - 1, count}, last};
    SendMessageW(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return last[0] == L'\r' || last[0] == L'\n';
}

int Win32Ui::traceLogLength() const {
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<int>(
        SendMessageW(window(Control::TraceLog), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

// Paragraphs end in CR inside the control; the program's texts use CR LF.
std::wstring Win32Ui::traceLogText() const {
    const int length = traceLogLength();
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = GT_USECRLF;
    request.codepage = 1200;
    const auto got = SendMessageW(window(Control::TraceLog), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

} // namespace tandrel
