// The three standard descriptors stay taken for as long as the process runs,
// and writes to them fail rather than end the process.
#pragma once

namespace win32_standin {

// Opens the null device on each of descriptors 0, 1 and 2 that is not open,
// so that nothing opened afterwards lands there: a connection or file on
// descriptor 1 would receive everything the program prints. The stand-in
// calls it before the program starts and before it connects to X.
void KeepStandardStreamsOpen();

// A write to a pipe whose reader has gone fails, as it fails on Windows,
// instead of ending the process by SIGPIPE. Also called before the program
// starts.
void FailWritesToClosedPipes();

} // namespace win32_standin
