// ShowCursor's display count and what it means for the X windows.
#pragma once

#include "display.h"

namespace win32_standin {

// The cursor attribute a new X window gets: none (the parent's) while the
// cursor shows, an invisible one while it is hidden.
uint32_t CursorForNewWindow(Display* display);

} // namespace win32_standin
