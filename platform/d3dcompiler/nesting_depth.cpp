#include "nesting_depth.h"

namespace d3dcompiler_standin {
namespace {

// Index just past the comment or literal that starts at `at`, or `at`.
size_t SkipCommentOrLiteral(const std::string& text, size_t at, size_t* line) {
    if (text[at] != '/' && text[at] != '"' && text[at] != '\'') {
        return at; // most characters start neither
    }
    auto skipTo = [&](size_t end) {
        end = end == std::string::npos ? text.size() : end;
        for (size_t i = at; i < end; ++i) {
            *line += text[i] == '\n';
        }
        return end;
    };
    if (text.compare(at, 2, "//") == 0) {
        size_t end = text.find('\n', at);
        return end == std::string::npos ? text.size() : end;
    }
    if (text.compare(at, 2, "/*") == 0) {
        size_t end = text.find("*/", at + 2);
        return skipTo(end == std::string::npos ? end : end + 2);
    }
    if (text[at] == '"' || text[at] == '\'') {
        size_t i = at + 1;
        while (i < text.size() && text[i] != text[at] && text[i] != '\n') {
            i += text[i] == '\\' ? 2 : 1;
        }
        return skipTo(i < text.size() ? i + 1 : text.size());
    }
    return at;
}

bool IsOperator(char c) {
    switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '%':
    case '<':
    case '>':
    case '=':
    case '&':
    case '|':
    case '^':
    case ',':
    case '?':
        return true;
    default:
        return false;
    }
}

std::string Where(const std::string& file, size_t line, size_t column) {
    return file + "(" + std::to_string(line) + "," + std::to_string(column) + "): error: ";
}

} // namespace

bool CheckNestingDepth(const std::string& text, const std::string& file, std::string* error) {
    size_t depth = 0;
    size_t operators = 0;
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t at = 0; at < text.size();) {
        size_t past = SkipCommentOrLiteral(text, at, &line);
        if (past != at) {
            at = past;
            continue;
        }
        const char c = text[at];
        if (c == '\n') {
            ++line;
            lineStart = at + 1;
        } else if (c == '(' || c == '[' || c == '{') {
            if (++depth > kMaxNestingDepth) {
                *error = Where(file, line, at - lineStart + 1) + "brackets nest more than " +
                         std::to_string(kMaxNestingDepth) +
                         " levels deep; this compiler refuses such a source";
                return false;
            }
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (IsOperator(c) && ++operators > kMaxOperatorsPerStatement) {
            *error = Where(file, line, at - lineStart + 1) + "a statement with more than " +
                     std::to_string(kMaxOperatorsPerStatement) +
                     " operators; this compiler refuses such a source";
            return false;
        }
        if (c == ';' || c == '{' || c == '}') {
            operators = 0;
        }
        ++at;
    }
    return true;
}

} // namespace d3dcompiler_standin
