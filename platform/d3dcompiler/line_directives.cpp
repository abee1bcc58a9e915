#include "line_directives.h"

#include <cctype>
#include <cstdlib>

namespace d3dcompiler_standin {
namespace {

// "#line N" or "#line N "name"" at `text`: the number, and the name when
// given; false for any other line.
bool ReadLineDirective(const std::string& text, long* number, std::string* name) {
    size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos || text[at] != '#') {
        return false;
    }
    at = text.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || text.compare(at, 4, "line") != 0 || text.size() < at + 5 ||
        !std::isspace(static_cast<unsigned char>(text[at + 4]))) {
        return false;
    }
    char* end = nullptr;
    *number = std::strtol(text.c_str() + at + 4, &end, 10);
    const size_t open = text.find('"', size_t(end - text.c_str()));
    const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
    if (close != std::string::npos) {
        *name = text.substr(open + 1, close - open - 1);
    }
    return *number > 0;
}

} // namespace

int PhysicalLine(const std::string& source, const std::string& path, const std::string& file,
                 int line) {
    std::string named = path;
    long numbered = 1;
    int found = 0;
    size_t start = 0;
    for (int physical = 1; start < source.size(); ++physical) {
        size_t end = source.find('\n', start);
        end = end == std::string::npos ? source.size() : end;
        const std::string text = source.substr(start, end - start);
        long number = 0;
        if (ReadLineDirective(text, &number, &named)) {
            numbered = number;
        } else {
            found = numbered == line && named == file ? physical : found;
            ++numbered;
        }
        start = end + 1;
    }
    return found;
}

} // namespace d3dcompiler_standin
