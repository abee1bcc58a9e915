// Captures what the code under test prints to stdout, through a temporary file.
#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

class CapturedStdout {
public:
    CapturedStdout() {
        std::fflush(stdout);
        file_ = std::tmpfile();
        saved_ = dup(fileno(stdout));
        dup2(fileno(file_), fileno(stdout));
    }
    ~CapturedStdout() { Take(); }
    CapturedStdout(const CapturedStdout&) = delete;
    CapturedStdout& operator=(const CapturedStdout&) = delete;

    // Everything printed since construction; ends the capture.
    std::string Take() {
        if (file_ == nullptr) {
            return text_;
        }
        std::fflush(stdout);
        dup2(saved_, fileno(stdout));
        close(saved_);
        std::rewind(file_);
        char chunk[4096];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file_)) > 0) {
            text_.append(chunk, got);
        }
        std::fclose(file_);
        file_ = nullptr;
        return text_;
    }

private:
    std::FILE* file_ = nullptr;
    int saved_ = -1;
    std::string text_;
};

inline size_t CountLines(const std::string& text, const std::string& line) {
    size_t count = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
        ++count;
    }
    return count;
}
