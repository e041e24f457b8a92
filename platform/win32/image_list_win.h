#pragma once

#include "inventory/image/image.h"
#include "platform/geometry.h"
#include "platform/win32/handles_win.h"

namespace tandrel {

// GetSystemMetrics(SM_CXSMICON) by GetSystemMetrics(SM_CYSMICON).
Size systemSmallIconSize();
// An empty 32-bit image list with masks, for images of small-icon size.
ImageListOwner smallImageListCreate();
// Adds a copy of the image; its index, or -1 when the image does not have the list's size or cannot be
// added.
int imageListAddImage(HIMAGELIST images, const Image& image);

} // namespace tandrel
