#pragma once

#include <string>

namespace tandrel {

class Ui;

// CR LF, a lone CR and a lone LF each become one CR LF.
std::wstring normaliseLineBreaks(const std::wstring& text);

// The text on a new line at the end of the log; no line break before it in an empty log.
void addLine(Ui& ui, const std::wstring& text);
// A block of text at the end of the log, on a line of its own: on the empty last line when the
// log ends in one, otherwise on a new line. Nothing already in the log is overwritten, wherever
// the user left the caret.
void appendBlock(Ui& ui, const std::wstring& text);
// The same for the text followed by CR LF, without copying the text to add them.
void appendBlockLine(Ui& ui, const std::wstring& text);
void clearTraceLog(Ui& ui);
// The whole log, lines joined by CR LF.
std::wstring traceLogText(Ui& ui);

} // namespace tandrel
