#include "loop_statements.h"

#include <algorithm>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A while that ends a do statement: "} while (...)" after "do {".
bool EndsDo(const Tokens& tokens, size_t at) {
    if (at == 0 || !IsChar(tokens[at - 1], '}')) {
        return false;
    }
    const size_t open = OpeningBracket(tokens, at - 1);
    return open > 0 && tokens[open - 1].text == "do";
}

// Past the part of a for statement's header that starts at `at`: its ';' or
// the header's ')' at `close`.
size_t HeaderPartEnd(const Tokens& tokens, size_t at, size_t close) {
    while (at < close && !IsChar(tokens[at], ';')) {
        at = IsToken(tokens, at, "(") ? ClosingBracket(tokens, at) + 1 : at + 1;
    }
    return std::min(at, close);
}

} // namespace

size_t StatementEnd(const Tokens& tokens, size_t at) {
    while (IsToken(tokens, at, "[")) { // [unroll], [branch] and other attributes
        at = ClosingBracket(tokens, at) + 1;
    }
    if (at >= tokens.size()) {
        return tokens.size();
    }
    const std::string& word = tokens[at].text;
    if (word == "{") {
        return ClosingBracket(tokens, at) + 1;
    }
    const bool headed = IsToken(tokens, at + 1, "(");
    if (headed && (word == "if" || word == "for" || word == "while" || word == "switch")) {
        const size_t end = StatementEnd(tokens, ClosingBracket(tokens, at + 1) + 1);
        return word == "if" && IsToken(tokens, end, "else") ? StatementEnd(tokens, end + 1) : end;
    }
    if (word == "do") {
        at = StatementEnd(tokens, at + 1); // then "while (...);"
    }
    while (at < tokens.size() && !IsChar(tokens[at], ';')) {
        const std::string& text = tokens[at].text;
        at = text == "(" || text == "[" || text == "{" ? ClosingBracket(tokens, at) + 1 : at + 1;
    }
    return std::min(at + 1, tokens.size());
}

LoopParts ReadLoop(const Tokens& tokens, size_t at) {
    const std::string& word = tokens[at].text;
    if ((word != "for" && word != "while") || !IsToken(tokens, at + 1, "(") ||
        (word == "while" && EndsDo(tokens, at))) {
        return {};
    }
    const size_t close = ClosingBracket(tokens, at + 1);
    if (word == "while") {
        return {at + 2, close, close + 1};
    }
    const size_t first = HeaderPartEnd(tokens, at + 2, close) + 1;
    return {first, HeaderPartEnd(tokens, first, close), close + 1};
}

bool MarkedWith(const Tokens& tokens, size_t at, const char* wanted) {
    while (at >= 2 && IsChar(tokens[at - 1], ']')) {
        const size_t open = OpeningBracket(tokens, at - 1);
        if (open + 1 < at && strcasecmp(tokens[open + 1].text.c_str(), wanted) == 0) {
            return true;
        }
        at = open;
    }
    return false;
}

} // namespace d3dcompiler_standin
