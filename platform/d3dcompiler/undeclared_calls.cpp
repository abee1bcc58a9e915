#include "undeclared_calls.h"
#include "identifier_chars.h"

namespace d3dcompiler_standin {
namespace {

// Lines read at most (the lookup reads each line from the file's start):
// past them a file is taken to declare the name, and glslang's words stand.
constexpr int kMostLines = 2000;

// Whether `name` at `at` in `text` stands as a declaration's name: the word
// before it (past blanks) is an identifier other than `return`, and '('
// follows it (past blanks).
bool DeclaredAt(const std::string& text, size_t at, const std::string& name) {
    const size_t end = at + name.size();
    if ((at > 0 && IsIdentifierPart(text[at - 1])) ||
        (end < text.size() && IsIdentifierPart(text[end]))) {
        return false;
    }
    const size_t open = text.find_first_not_of(" \t", end);
    if (open == std::string::npos || text[open] != '(') {
        return false;
    }
    const size_t last = at == 0 ? std::string::npos : text.find_last_not_of(" \t", at - 1);
    if (last == std::string::npos || !IsIdentifierPart(text[last])) {
        return false;
    }
    size_t first = last;
    while (first > 0 && IsIdentifierPart(text[first - 1])) {
        --first;
    }
    return text.compare(first, last + 1 - first, "return") != 0;
}

} // namespace

bool FileDeclaresFunction(const SourceLineLookup& lines, const std::string& file,
                          const std::string& name) {
    std::string text;
    for (int line = 1; line <= kMostLines; ++line) {
        if (!lines(file, line, &text)) {
            return false;
        }
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
            if (DeclaredAt(text, at, name)) {
                return true;
            }
        }
    }
    return true;
}

} // namespace d3dcompiler_standin
