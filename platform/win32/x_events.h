// Turns what the X server reports into posted messages.
#pragma once

namespace win32_standin {

// Reads every X event waiting (never blocks) and posts the messages they mean.
// Windows that another X client destroyed are only noted here.
void DrainDisplayEvents();
// Sends WM_DESTROY for the windows noted above and forgets them; the window
// procedure runs, so only PeekMessageA calls this.
void FinishExternallyDestroyedWindows();

} // namespace win32_standin
