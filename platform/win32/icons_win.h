#pragma once

#include "app/window_content.h"
#include "platform/win32/handles_win.h"

namespace tandrel {

// Icon resource n of Shell32, at small-icon size; none when Shell32 is not loaded or lacks it.
IconOwner loadShell32Icon(int resourceId);
// The shared system icons; they belong to Windows and are never destroyed.
HICON systemIcon(IconSource source);

} // namespace tandrel
