#include "syntax_messages.h"

#include "identifier_chars.h"
#include "numeric_type_names.h"

#include <cctype>
#include <cstdint>
#include <utility>
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

// A token no operand starts with, met where an operand was due: one that
// closes or separates, a binary operator, or a statement's keyword.
bool CannotStartOperand(const std::string& token) {
    if (IsIdentifierStart(token.front())) {
        return token == "else" || token == "return" || token == "case" || token == "default";
    }
    static const char* const kStarters[] = {"(", "{", "+", "-", "!", "~", "++", "--"};
    for (const char* starter : kStarters) {
        if (token == starter) {
            return false;
        }
    }
    return !IsIdentifierPart(token.front()) && token != ".";
}

// A name or number right after an operand, with no operator between; not a
// declaration's name after its type, nor after a statement's keyword.
bool FollowsOperand(const std::vector<LineToken>& tokens, size_t i) {
    if (i == 0 || !IsIdentifierPart(tokens[i].text.front())) {
        return false;
    }
    const std::string& before = tokens[i - 1].text;
    if (!IsOperand(before) || before == "." || IsTypeName(before) || before == "return" ||
        before == "else" || before == "case" || before == "struct" || before == "typedef") {
        return false;
    }
    // "Light light" at a line's start declares a variable of a structure.
    return !(i == 1 && IsIdentifierStart(before.front()));
}

// Where on the line glslang's parser stopped: after an operator, the first
// token that cannot start an operand; inside parentheses, the first token
// that ends a statement; a name or number right after an operand;
// tokens.size() for none of these.
size_t UnexpectedIndex(const std::string& expected, const std::vector<LineToken>& tokens) {
    const bool closing = expected == ")" || expected == "]";
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i].text;
        if (expected.rfind("expression", 0) == 0 && i > 0 && !IsOperand(tokens[i - 1].text) &&
            CannotStartOperand(token)) {
            return i;
        }
        if (closing && depth > 0 && (token == ";" || token == "{" || token == "}")) {
            return i;
        }
        if ((closing || expected == ";") && FollowsOperand(tokens, i)) {
            return i;
        }
        depth += token == "(" || token == "[";
        depth -= (token == ")" || token == "]") && depth > 0;
    }
    return tokens.size();
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

bool ReadParseStop(const std::string& messages, ParseStop* stop) {
    const std::string kFailed = ", HLSL parsing failed.";
    const std::string kColumn = "): error at column ";
    const size_t failed = messages.find(kFailed);
    const size_t column = failed == std::string::npos ? failed : messages.rfind(kColumn, failed);
    const size_t open = column == std::string::npos ? column : messages.rfind('(', column);
    const size_t lineStart = open == std::string::npos ? open : messages.rfind('\n', open) + 1;
    const size_t fileStart = open == std::string::npos ? open : messages.find(": ", lineStart);
    if (fileStart == std::string::npos || fileStart + 2 > open) {
        return false;
    }
    const std::string lineText = messages.substr(open + 1, column - open - 1);
    const std::string columnText =
        messages.substr(column + kColumn.size(), failed - column - kColumn.size());
    if (lineText.empty() || columnText.empty() ||
        lineText.find_first_not_of("0123456789") != std::string::npos ||
        columnText.find_first_not_of("0123456789") != std::string::npos || lineText.size() > 9 ||
        columnText.size() > 9) {
        return false;
    }
    stop->file = messages.substr(fileStart + 2, open - fileStart - 2);
    stop->line = std::stoi(lineText);
    stop->column = std::stoi(columnText);
    return true;
}

std::string UnexpectedTokenMessage(const std::string& expected, const ParseStop& where,
                                   const SourceLineLookup& lines, std::string* columns) {
    columns->clear();
    if (!lines) {
        return "";
    }
    std::string text;
    // glslang names the line of the token it stopped at; a line past the end
    // of the file, or one without tokens, means it stopped at the end.
    // A line neither it nor the one before can be read is one #line named.
    const bool read = lines(where.file, where.line, &text);
    const std::vector<LineToken> tokens = read ? TokensOf(text) : std::vector<LineToken>{};
    if (tokens.empty()) {
        return read || lines(where.file, where.line - 1, &text)
                   ? "error X3000: syntax error: unexpected end of file"
                   : "";
    }
    // What the parser was reading tells the token best; else the one at
    // glslang's column (it may name the statement's start, or read on past
    // two operands), else the line's first.
    size_t met = UnexpectedIndex(expected, tokens);
    for (size_t i = 0; i < tokens.size() && met == tokens.size(); ++i) {
        met = tokens[i].column == size_t(where.column) ? i : met;
    }
    met = met == tokens.size() ? 0 : met;
    const LineToken& token = tokens[met];
    // Appended piece by piece: GCC 12 takes "a" + b for an overlapping copy.
    std::string range = ",";
    range += std::to_string(token.column);
    range += "-";
    range += std::to_string(token.column + token.text.size() - 1);
    *columns = std::move(range);
    std::string message = "error X3000: syntax error: ";
    message += Describe(token.text);
    return message;
}

namespace {

// Whether `declares` holds for a token `name` of a line of `file` up to
// `lastLine`, given the line's tokens and the name's place in them.
template <typename Test>
bool AnyMention(const std::string& name, const std::string& file, const SourceLineLookup& lines,
                int lastLine, Test declares) {
    std::string text;
    for (int line = 1;
         lines && line <= lastLine && line < kMaxLinesRead && lines(file, line, &text); ++line) {
        const std::vector<LineToken> tokens = TokensOf(text);
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].text == name && declares(tokens, i)) {
                return true;
            }
        }
    }
    return false;
}

bool AfterTypeName(const std::vector<LineToken>& tokens, size_t i) {
    return i > 0 && IsIdentifierStart(tokens[i - 1].text.front()) && tokens[i - 1].text != "return";
}

} // namespace

bool NameIsDeclared(const std::string& name, const std::string& file, const SourceLineLookup& lines,
                    int lastLine) {
    return AnyMention(name, file, lines, lastLine, [](const auto& tokens, size_t i) {
        const bool called = i + 1 < tokens.size() && tokens[i + 1].text == "(";
        return !called || AfterTypeName(tokens, i) || i == 0 || tokens[i - 1].text == "::";
    });
}

bool VariableIsDeclared(const std::string& name, const std::string& file,
                        const SourceLineLookup& lines, int lastLine) {
    return AnyMention(name, file, lines, lastLine, [](const auto& tokens, size_t i) {
        const bool called = i + 1 < tokens.size() && tokens[i + 1].text == "(";
        return !called && AfterTypeName(tokens, i);
    });
}

} // namespace d3dcompiler_standin
