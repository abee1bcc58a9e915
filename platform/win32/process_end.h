// How the stand-in ends the process where Windows ends it from outside the
// program's own code.
#pragma once

namespace win32_standin {

// Ends the process as the default action of `signalNumber` ends it, which is
// how a Linux parent learns that a process was stopped by that request.
[[noreturn]] void EndAsSignalDoes(int signalNumber);

} // namespace win32_standin
