#include "stdout_capture.h"

#include <unistd.h>

StreamCapture::StreamCapture(std::FILE* stream) : stream_(stream) {
    std::fflush(stream_);
    file_ = std::tmpfile();
    if (file_ == nullptr) {
        return;
    }
    saved_ = dup(fileno(stream_));
    dup2(fileno(file_), fileno(stream_));
}

StreamCapture::~StreamCapture() {
    Take();
}

std::string StreamCapture::Take() {
    if (file_ == nullptr) {
        return text_;
    }
    std::fflush(stream_);
    dup2(saved_, fileno(stream_));
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
