#pragma once

#include "app/ids.h"

#include <string>

namespace tandrel {

struct AppState;
class Ui;

void dispatchEvent(AppState& state, Ui& ui, const Event& event);
// The one way to write the status bar: its text and its tooltip.
void setStatusText(AppState& state, Ui& ui, const std::wstring& text);

} // namespace tandrel
