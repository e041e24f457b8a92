#include "log/trace_log.h"

#include "platform/ui.h"

namespace tandrel {

std::wstring normaliseLineBreaks(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            out += L"\r\n";
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    return out;
}

void addLine(Ui& ui, const std::wstring& text) {
    const bool empty = ui.textLength(Control::TraceLog) == 0;
    ui.appendText(Control::TraceLog, (empty ? L"" : L"\r\n") + normaliseLineBreaks(text));
}

void appendBlock(Ui& ui, const std::wstring& text) {
    const bool onEmptyLastLine =
        ui.textLength(Control::TraceLog) == 0 || ui.endsWithLineBreak(Control::TraceLog);
    ui.appendText(Control::TraceLog, (onEmptyLastLine ? L"" : L"\r\n") + normaliseLineBreaks(text));
}

void clearTraceLog(Ui& ui) {
    ui.setText(Control::TraceLog, L"");
}

std::wstring traceLogText(Ui& ui) {
    return ui.text(Control::TraceLog);
}

} // namespace tandrel
