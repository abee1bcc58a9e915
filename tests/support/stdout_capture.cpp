#include "stdout_capture.h"

#include <unistd.h>

StdoutCapture::StdoutCapture() {
    std::fflush(stdout);
    file_ = std::tmpfile();
    if (file_ == nullptr) {
        return;
    }
    saved_ = dup(fileno(stdout));
    dup2(fileno(file_), fileno(stdout));
}

StdoutCapture::~StdoutCapture() {
    Take();
}

std::string StdoutCapture::Take() {
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

size_t CountOccurrences(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos && !needle.empty();
         at = text.find(needle, at + needle.size())) {
        ++count;
    }
    return count;
}
