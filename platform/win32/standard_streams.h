// The three standard descriptors stay taken for as long as the process runs.
#pragma once

namespace win32_standin {

// Opens the null device on each of descriptors 0, 1 and 2 that is not open,
// so that nothing opened afterwards lands there: a connection or file on
// descriptor 1 would receive everything the program prints. The stand-in
// calls it before the program starts and before it connects to X.
void KeepStandardStreamsOpen();

} // namespace win32_standin
