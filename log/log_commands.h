#pragma once

#include <string>

namespace tandrel {

struct AppState;
struct Platform;
struct LocalTime;

// The line that closes every block the program appends to the log.
inline const std::wstring kSeparatorLine(68, L'_');

// "Tandrel " and the local time as fourteen digits, year first.
std::wstring defaultLogName(const LocalTime& time);

// Menu commands on the trace log as a whole.
void saveTraceLog(AppState& state, Platform& platform);
void copyToolListToLog(AppState& state, Platform& platform);
void clearLog(AppState& state, Platform& platform);

// Once per user: the tool list as the first start found it, unless something is at its path.
void writeSnapshotIfMissing(const AppState& state, Platform& platform);

} // namespace tandrel
