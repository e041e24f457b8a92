#include "log/trace_log.h"

#include "platform/ui.h"

namespace tandrel {
namespace {

constexpr wchar_t kLineBreak[] = L"\r\n";

bool isLineBreak(wchar_t c) {
    return c == L'\r' || c == L'\n';
}

// Whether every LF follows a CR and every CR comes before an LF. One pass without an early exit
// over plain flags, which the compiler turns into vector instructions.
bool hasOnlyCrLfBreaks(const std::wstring& text) {
    if (text.empty()) {
        return true;
    }
    const wchar_t* c = text.data();
    const auto isLf = [](wchar_t x) { return static_cast<unsigned>(x == L'\n'); };
    const auto isCr = [](wchar_t x) { return static_cast<unsigned>(x == L'\r'); };
    unsigned odd = isLf(c[0]) | isCr(c[text.size() - 1]);
    for (std::size_t i = 1; i < text.size(); ++i) {
        odd |= isLf(c[i]) ^ isCr(c[i - 1]);
    }
    return odd == 0;
}

// A job's answer can run to megabytes and its line breaks are CR LF already, so such a text goes
// to the log as it is, and the line breaks around it go as calls of their own, rather than
// copying the text once more.
void appendToLog(Ui& ui, bool onNewLine, const std::wstring& text, bool endLine) {
    if (onNewLine) {
        ui.appendText(Control::TraceLog, kLineBreak);
    }
    if (hasOnlyCrLfBreaks(text)) {
        if (!text.empty()) {
            ui.appendText(Control::TraceLog, text);
        }
    } else {
        ui.appendText(Control::TraceLog, normaliseLineBreaks(text));
    }
    if (endLine) {
        ui.appendText(Control::TraceLog, kLineBreak);
    }
}

bool onEmptyLastLine(Ui& ui) {
    return ui.textLength(Control::TraceLog) == 0 || ui.endsWithLineBreak(Control::TraceLog);
}

} // namespace

std::wstring normaliseLineBreaks(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 32);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLineBreak(text[i])) {
            out.append(text, lineStart, i - lineStart);
            out += kLineBreak;
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
            lineStart = i + 1;
        }
    }
    out.append(text, lineStart);
    return out;
}

void addLine(Ui& ui, const std::wstring& text) {
    appendToLog(ui, ui.textLength(Control::TraceLog) != 0, text, false);
}

void appendBlock(Ui& ui, const std::wstring& text) {
    appendToLog(ui, !onEmptyLastLine(ui), text, false);
}

void appendBlockLine(Ui& ui, const std::wstring& text) {
    appendToLog(ui, !onEmptyLastLine(ui), text, true);
}

void clearTraceLog(Ui& ui) {
    ui.setText(Control::TraceLog, L"");
}

std::wstring traceLogText(Ui& ui) {
    return ui.text(Control::TraceLog);
}

} // namespace tandrel
