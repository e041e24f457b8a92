#pragma once

#include <windows.h>

#include <optional>

namespace tandrel::e2e {

enum class BoxIcon { Question, Exclamation, Information, Error };

// The standard icon a message box of another process shows. Its icon handle means nothing in
// this process, so the screen under the box's icon is compared, pixel for pixel, with each
// standard icon drawn here on the same background. nullopt when none matches exactly, which is
// also the case while the box is still being painted or covered by another window.
std::optional<BoxIcon> messageBoxIcon(HWND box);

} // namespace tandrel::e2e
