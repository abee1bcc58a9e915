// What the process meets outside its window: Ctrl+C and termination requests,
// and output that nobody reads.
#pragma once

// From now on Ctrl+C and termination requests are quit requests: the first
// one is handed to TakeQuitRequest and stops output from waiting; a second one
// ends the process at once.
void CatchQuitRequests();

// True once for each quit request from outside the window.
bool TakeQuitRequest();

// Output that cannot be written at once is dropped from now on instead of
// waited for: the program is quitting and nobody may be reading.
void StopWaitingForOutput();

// Leaves the standard streams as the process found them: they may be shared
// with the shell that started it.
void RestoreStandardStreams();
