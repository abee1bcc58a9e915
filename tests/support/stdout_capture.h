// What the code under test prints, and how often a line occurs in it.
#pragma once

#include <cstdio>
#include <string>

// Captures a standard stream (what the stdio stream and anything else writing
// to its descriptor print) through a temporary file until Take or destruction.
// Captures may nest: the inner one sees what is printed while it lives.
class StreamCapture {
public:
    explicit StreamCapture(std::FILE* stream);
    ~StreamCapture();
    StreamCapture(const StreamCapture&) = delete;
    StreamCapture& operator=(const StreamCapture&) = delete;

    // Everything printed since construction; ends the capture.
    std::string Take();

private:
    std::FILE* stream_;
    std::FILE* file_ = nullptr;
    int saved_ = -1;
    std::string text_;
};

class StdoutCapture : public StreamCapture {
public:
    StdoutCapture() : StreamCapture(stdout) {}
};

class StderrCapture : public StreamCapture {
public:
    StderrCapture() : StreamCapture(stderr) {}
};

// How often `needle` (usually a whole line with its newline) occurs in `text`,
// counting occurrences that do not overlap.
size_t CountOccurrences(const std::string& text, const std::string& needle);
