#include "hlsl_tokens.h"
#include "identifier_chars.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace d3dcompiler_standin {

void ApplyLineMarker(const std::string& directive, std::string* file, uint32_t* nextLine) {
    size_t at = directive.find_first_not_of(" \t", 1);
    if (at == std::string::npos || directive.compare(at, 4, "line") != 0) {
        return;
    }
    at += 4;
    char* end = nullptr;
    unsigned long line = std::strtoul(directive.c_str() + at, &end, 10);
    if (end == directive.c_str() + at) {
        return;
    }
    *nextLine = line == 0 ? 1 : uint32_t(line);
    size_t open = directive.find('"', size_t(end - directive.c_str()));
    size_t close = open == std::string::npos ? open : directive.find('"', open + 1);
    if (close != std::string::npos) {
        *file = directive.substr(open + 1, close - open - 1);
    }
}

std::vector<HlslToken> TokenizePreprocessedHlsl(const std::string& text,
                                                const std::string& mainFile) {
    std::vector<HlslToken> tokens;
    std::string file = mainFile;
    uint32_t line = 1;
    bool lineStart = true;
    size_t lineOffset = 0;
    size_t at = 0;
    while (at < text.size()) {
        char c = text[at];
        if (c == '\n') {
            ++line;
            lineStart = true;
            lineOffset = ++at;
            continue;
        }
        if (std::isspace(uint8_t(c))) {
            ++at;
            continue;
        }
        if (lineStart && c == '#') {
            size_t end = text.find('\n', at);
            end = end == std::string::npos ? text.size() : end;
            uint32_t nextLine = line + 1;
            ApplyLineMarker(text.substr(at, end - at), &file, &nextLine);
            line = nextLine - 1; // the newline below advances it
            at = end;
            continue;
        }
        lineStart = false;
        if (c == '/' && at + 1 < text.size() && text[at + 1] == '/') {
            at = text.find('\n', at);
            at = at == std::string::npos ? text.size() : at;
            continue;
        }
        if (c == '/' && at + 1 < text.size() && text[at + 1] == '*') {
            size_t end = text.find("*/", at + 2);
            end = end == std::string::npos ? text.size() : end + 2;
            for (size_t i = at; i < end; ++i) {
                line += text[i] == '\n';
            }
            at = end;
            continue;
        }
        HlslToken token{HlslToken::Kind::Punctuation,  "", file, line,
                        uint32_t(at - lineOffset + 1), at};
        size_t end = at + 1;
        if (IsIdentifierStart(c)) {
            token.kind = HlslToken::Kind::Identifier;
            while (end < text.size() && IsIdentifierPart(text[end])) {
                ++end;
            }
        } else if (std::isdigit(uint8_t(c))) {
            token.kind = HlslToken::Kind::Number;
            while (end < text.size() && (IsIdentifierPart(text[end]) || text[end] == '.')) {
                ++end;
            }
        } else if (c == '"' || c == '\'') {
            token.kind = HlslToken::Kind::String;
            while (end < text.size() && text[end] != c && text[end] != '\n') {
                end += text[end] == '\\' ? 2 : 1;
            }
            end = end < text.size() ? end + 1 : text.size();
        }
        token.text = text.substr(at, end - at);
        tokens.push_back(std::move(token));
        at = end;
    }
    return tokens;
}

bool IsIdentifier(const std::vector<HlslToken>& tokens, size_t at) {
    return at < tokens.size() && tokens[at].kind == HlslToken::Kind::Identifier;
}

bool IsToken(const std::vector<HlslToken>& tokens, size_t at, const char* text) {
    return at < tokens.size() && tokens[at].text == text;
}

size_t ClosingBracket(const std::vector<HlslToken>& tokens, size_t open) {
    const std::string& opener = tokens[open].text;
    const char* closer = opener == "(" ? ")" : opener == "[" ? "]" : opener == "<" ? ">" : "}";
    const bool angle = opener == "<";
    size_t depth = 0;
    for (size_t at = open; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        // A template's arguments end within their statement; a '<' that is a
        // comparison is known unclosed at once, not at the end of the source.
        if (angle && (text == ";" || text == "{" || text == "}" || text == "(" || text == ")")) {
            return tokens.size();
        }
        if (tokens[at].text == opener) {
            ++depth;
        } else if (tokens[at].text == closer && --depth == 0) {
            return at;
        }
    }
    return tokens.size();
}

bool Adjacent(const HlslToken& token, const HlslToken& next) {
    return token.file == next.file && token.line == next.line &&
           token.column + token.text.size() == next.column;
}

std::string TokensOnOneLine(const std::vector<HlslToken>& tokens, size_t begin, size_t end) {
    std::string text;
    for (size_t at = begin; at < end && at < tokens.size(); ++at) {
        text += tokens[at].text;
        if (at + 1 == end || at + 1 == tokens.size() || !Adjacent(tokens[at], tokens[at + 1])) {
            text += ' ';
        }
    }
    return text;
}

std::string StringLiteralValue(const std::string& token) {
    std::string value;
    size_t end =
        token.size() > 1 && token.back() == token.front() ? token.size() - 1 : token.size();
    for (size_t i = 1; i < end; ++i) {
        if (token[i] != '\\' || i + 1 >= end) {
            value += token[i];
            continue;
        }
        char escaped = token[++i];
        switch (escaped) {
        case 'n':
            value += '\n';
            break;
        case 't':
            value += '\t';
            break;
        case 'r':
            value += '\r';
            break;
        default:
            value += escaped;
            break;
        }
    }
    return value;
}

std::string SourceError(const HlslToken& at, const std::string& message, const std::string& code) {
    // Windows' compiler gives the token's first and last columns.
    const size_t last = at.column + (at.text.empty() ? 0 : at.text.size() - 1);
    return at.file + "(" + std::to_string(at.line) + "," + std::to_string(at.column) + "-" +
           std::to_string(last) + "): error" + (code.empty() ? "" : " " + code) + ": " + message;
}

size_t OpeningBracket(const std::vector<HlslToken>& tokens, size_t close) {
    size_t at = close + 1;
    int depth = 0;
    do {
        --at;
        const std::string& text = tokens[at].text;
        depth += text == ")" || text == "]" ? 1 : text == "(" || text == "[" ? -1 : 0;
    } while (at > 0 && depth > 0);
    return at;
}

void DefineHelpersFirst(const std::set<std::string>& definitions, std::vector<TextEdit>* edits) {
    std::string text;
    for (const std::string& definition : definitions) {
        text += definition;
    }
    if (!text.empty()) {
        edits->push_back({0, 0, text + "#line 1\n"});
    }
}

std::string WithEdits(std::string text, std::vector<TextEdit> edits) {
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) {
        return a.offset > b.offset || (a.offset == b.offset && a.length > b.length);
    });
    size_t limit = text.size();
    for (const TextEdit& edit : edits) {
        if (edit.offset + edit.length <= limit) {
            text.replace(edit.offset, edit.length, edit.text);
            limit = edit.offset;
        }
    }
    return text;
}

} // namespace d3dcompiler_standin
