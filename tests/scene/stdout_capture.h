// Earlier names of the shared stdout capture and line counter.
#pragma once

#include <stdout_capture.h>

using CapturedStdout = StdoutCapture;

inline size_t CountLines(const std::string& text, const std::string& line) {
    return CountOccurrences(text, line);
}
