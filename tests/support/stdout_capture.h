// What the code under test prints, and how often a line occurs in it.
#pragma once

#include <cstdio>
#include <string>

// Captures stdout (printf and anything else writing to descriptor 1) through a
// temporary file until Take or destruction. Captures may nest: the inner one
// sees what is printed while it lives.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything printed since construction; ends the capture.
    std::string Take();

private:
    std::FILE* file_ = nullptr;
    int saved_ = -1;
    std::string text_;
};

// How often `needle` (usually a whole line with its newline) occurs in `text`,
// counting occurrences that do not overlap.
size_t CountOccurrences(const std::string& text, const std::string& needle);
