#pragma once

#include <string>

namespace tandrel {

class Files;
struct Platform;

// Resolves an "@{...}" resource reference: through the shell, and where the shell gives
// nothing, a reference to a file of a package ("@{<full name>?ms-resource://<name>/Files/<path>}")
// by hand, inside the package's root folder. Anything else unresolved stays empty.
std::wstring resolveIndirectString(const std::wstring& reference, Platform& platform, unsigned viewFlag);

// The file a package keeps for `relative`, inside `root`: the file itself, or else the first
// scaled variant Windows keeps in its place. Empty when `relative` would lead out of the root.
std::wstring packageFile(const std::wstring& root, const std::wstring& relative, Files& files);

} // namespace tandrel
