#include "syntax_messages.h"

#include "identifier_chars.h"
#include "numeric_type_names.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace d3dcompiler_standin {

namespace {

// A source file of this many lines is read no further.
constexpr int kMaxLinesRead = 200000;

struct LineToken {
    std::string text;
    size_t column = 0; // from 1
};

bool IsNumberStart(const std::string& line, size_t at) {
    return std::isdigit(uint8_t(line[at])) ||
           (line[at] == '.' && at + 1 < line.size() && std::isdigit(uint8_t(line[at + 1])));
}

size_t NumberEnd(const std::string& line, size_t at) {
    const bool hex = line.compare(at, 2, "0x") == 0 || line.compare(at, 2, "0X") == 0;
    while (at < line.size() && (IsIdentifierPart(line[at]) || line[at] == '.')) {
        const char c = line[at++];
        if (!hex && (c == 'e' || c == 'E') && at < line.size() &&
            (line[at] == '+' || line[at] == '-')) {
            ++at;
        }
    }
    return at;
}

size_t PunctuatorLength(const std::string& line, size_t at) {
    static const char* const kLong[] = {
        "<<=", ">>=", "++", "--", "&&", "||", "==", "!=", "<=", ">=", "+=",
        "-=",  "*=",  "/=", "%=", "&=", "|=", "^=", "<<", ">>", "::"};
    for (const char* op : kLong) {
        const std::string text(op);
        if (line.compare(at, text.size(), text) == 0) {
            return text.size();
        }
    }
    return 1;
}

// The tokens of one source line, comments left out.
std::vector<LineToken> TokensOf(const std::string& line) {
    std::vector<LineToken> tokens;
    size_t at = 0;
    while (at < line.size()) {
        if (std::isspace(uint8_t(line[at]))) {
            ++at;
            continue;
        }
        if (line.compare(at, 2, "//") == 0) {
            break;
        }
        if (line.compare(at, 2, "/*") == 0) {
            const size_t close = line.find("*/", at + 2);
            at = close == std::string::npos ? line.size() : close + 2;
            continue;
        }
        size_t end = at + 1;
        if (IsIdentifierStart(line[at])) {
            while (end < line.size() && IsIdentifierPart(line[end])) {
                ++end;
            }
        } else if (IsNumberStart(line, at)) {
            end = NumberEnd(line, at);
        } else {
            end = at + PunctuatorLength(line, at);
        }
        tokens.push_back({line.substr(at, end - at), at + 1});
        at = end;
    }
    return tokens;
}

// A type a declaration may start with, which a name follows.
bool IsTypeName(const std::string& token) {
    NumericTypeName parsed;
    return ReadNumericTypeName(token, &parsed) || token == "const" || token == "in" ||
           token == "out" || token == "inout" || token == "uniform" || token == "static";
}

bool IsOperand(const std::string& token) {
    return IsIdentifierPart(token.front()) || token == ")" || token == "]" || token == ".";
}

// A token no expression starts with, met where an operand was due.
bool EndsTooSoon(const std::string& token) {
    return token == ";" || token == ")" || token == "]" || token == "}" || token == "," ||
           token == "else" || token == "return";
}

// Where on the line glslang's parser stopped: after an operator, the first
// token that cannot start an operand; inside parentheses, the first token
// that ends a statement or follows an operand with no operator between;
// otherwise the line's first token.
size_t UnexpectedIndex(const std::string& expected, const std::vector<LineToken>& tokens) {
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i].text;
        if (expected == "expression" && i > 0 && !IsOperand(tokens[i - 1].text) &&
            EndsTooSoon(token)) {
            return i;
        }
        const bool operandAfterOperand =
            i > 0 && IsIdentifierPart(token.front()) && IsOperand(tokens[i - 1].text) &&
            tokens[i - 1].text != "." && !IsTypeName(tokens[i - 1].text);
        if ((expected == ")" || expected == "]") && depth > 0 &&
            (token == ";" || token == "{" || token == "}" || operandAfterOperand)) {
            return i;
        }
        depth += token == "(" || token == "[";
        depth -= (token == ")" || token == "]") && depth > 0;
    }
    return 0;
}

std::string Describe(const std::string& token) {
    if (!IsNumberStart(token, 0)) {
        return "unexpected token '" + token + "'";
    }
    const bool hex = token.size() > 1 && (token[1] == 'x' || token[1] == 'X');
    const bool floating = !hex && token.find_first_of(".eEfFhH") != std::string::npos;
    return floating ? "unexpected float constant" : "unexpected integer constant";
}

} // namespace

std::string UnexpectedTokenMessage(const std::string& expected, const std::string& file, int line,
                                   const SourceLineLookup& lines, std::string* columns) {
    columns->clear();
    if (!lines) {
        return "";
    }
    std::string text;
    // glslang names the line of the token it stopped at; a line past the end
    // of the file, or one without tokens, means it stopped at the end.
    const std::vector<LineToken> tokens =
        lines(file, line, &text) ? TokensOf(text) : std::vector<LineToken>{};
    if (tokens.empty()) {
        return "error X3000: syntax error: unexpected end of file";
    }
    const LineToken& met = tokens[UnexpectedIndex(expected, tokens)];
    *columns =
        "," + std::to_string(met.column) + "-" + std::to_string(met.column + met.text.size() - 1);
    return "error X3000: syntax error: " + Describe(met.text);
}

bool NameIsDeclared(const std::string& name, const std::string& file,
                    const SourceLineLookup& lines) {
    std::string text;
    for (int line = 1; lines && line < kMaxLinesRead && lines(file, line, &text); ++line) {
        const std::vector<LineToken> tokens = TokensOf(text);
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].text != name) {
                continue;
            }
            const bool called = i + 1 < tokens.size() && tokens[i + 1].text == "(";
            const bool afterType = i > 0 && IsIdentifierStart(tokens[i - 1].text.front()) &&
                                   tokens[i - 1].text != "return";
            if (!called || afterType || i == 0 || tokens[i - 1].text == "::") {
                return true;
            }
        }
    }
    return false;
}

} // namespace d3dcompiler_standin
