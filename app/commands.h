#pragma once

#include "app/ids.h"

#include <string>

namespace tandrel {

struct AppState;
struct Platform;
class Ui;

void dispatchEvent(AppState& state, Platform& platform, const Event& event);
// The one way to write the status bar: its text and its tooltip.
void setStatusText(AppState& state, Ui& ui, const std::wstring& text);

} // namespace tandrel
