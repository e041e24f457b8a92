#pragma once

#include "tests/e2e/driver.h"
#include "tests/e2e/inventory_sample_data.h"
#include "tests/e2e/window_query.h"

#include <string>

namespace tandrel::e2e {

// The trace log's text, lines joined by CR LF. GetWindowTextLengthW answers 0 for the rich edit
// of another process under Wine; WM_GETTEXTLENGTH and WM_GETTEXT sent to the control work.
inline std::wstring traceLogText(const RunningTandrel& app) {
    return windowText(app.control(Control::TraceLog));
}

// The four lines that menu item 106 appends to the trace log and that the first-start snapshot
// holds: a heading, an empty line, the tool list of every enumerated package, 68 underscores.
inline std::wstring expectedToolListBlock() {
    return L"Tool-Liste der installierten Apps:\r\n\r\n" + expectedToolList(sampleData().installedAll) +
           L"\r\n" + std::wstring(68, L'_') + L"\r\n";
}

} // namespace tandrel::e2e
