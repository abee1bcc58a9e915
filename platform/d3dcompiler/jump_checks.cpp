#include "jump_checks.h"

#include "loop_statements.h"

#include <algorithm>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A loop or switch: its keyword and the tokens of its body, [body, end).
struct Breakable {
    size_t keyword;
    size_t body;
    size_t end;
    bool loop;
};

std::vector<Breakable> Breakables(const Tokens& tokens) {
    std::vector<Breakable> found;
    size_t doTail = tokens.size(); // the "while" after the latest do's body
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const std::string& word = tokens[at].text;
        if (tokens[at].kind != HlslToken::Kind::Identifier || at == doTail) {
            continue;
        }
        if (word == "do") {
            found.push_back({at, at + 1, StatementEnd(tokens, at + 1), true});
            doTail = found.back().end;
        } else if ((word == "for" || word == "while" || word == "switch") &&
                   IsToken(tokens, at + 1, "(")) {
            const size_t body = ClosingBracket(tokens, at + 1) + 1;
            found.push_back({at, body, StatementEnd(tokens, body), word != "switch"});
        }
    }
    return found;
}

// The innermost loop or switch around `at`, or null.
const Breakable* Innermost(const std::vector<Breakable>& breakables, size_t at) {
    const Breakable* inner = nullptr;
    for (const Breakable& breakable : breakables) {
        if (at >= breakable.body && at < breakable.end &&
            (inner == nullptr || breakable.body > inner->body)) {
            inner = &breakable;
        }
    }
    return inner;
}

bool IsTrueLiteral(const HlslToken& token) {
    return token.text == "true" ||
           (token.kind == HlslToken::Kind::Number &&
            token.text.find_first_not_of("0.xXuUlLfF") != std::string::npos);
}

// Whether the loop's condition is left out or a literal that is never false:
// "for (;;)", "while (true)", "do ... while (1)".
bool AlwaysTrue(const Tokens& tokens, const Breakable& loop) {
    const std::string& word = tokens[loop.keyword].text;
    if (word == "for") {
        size_t first = loop.keyword + 2;
        while (first < loop.body && !IsChar(tokens[first], ';')) {
            const std::string& text = tokens[first].text;
            first = text == "(" || text == "[" ? ClosingBracket(tokens, first) + 1 : first + 1;
        }
        return IsToken(tokens, first + 1, ";") ||
               (first + 2 < loop.body && IsTrueLiteral(tokens[first + 1]) &&
                IsToken(tokens, first + 2, ";"));
    }
    size_t open = loop.keyword + 1;
    if (word == "do") {
        if (!IsToken(tokens, loop.end, "while") || !IsToken(tokens, loop.end + 1, "(")) {
            return false;
        }
        open = loop.end + 1;
    }
    return IsToken(tokens, open + 2, ")") && IsTrueLiteral(tokens[open + 1]);
}

// Whether anything in the loop's body leaves it: a return, or a break whose
// innermost loop or switch is this loop. A discard is counted too.
bool Leaves(const Tokens& tokens, const std::vector<Breakable>& breakables, const Breakable& loop) {
    for (size_t at = loop.body; at < loop.end; ++at) {
        const std::string& word = tokens[at].text;
        if (word == "return" || word == "discard") {
            return true;
        }
        if (word == "break" && Innermost(breakables, at) == &loop) {
            return true;
        }
    }
    return false;
}

} // namespace

void CheckLoopJumps(const Tokens& tokens, std::string* errors) {
    const std::vector<Breakable> breakables = Breakables(tokens);
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& word = tokens[at].text;
        if ((word != "continue" && word != "break") ||
            tokens[at].kind != HlslToken::Kind::Identifier) {
            continue;
        }
        const Breakable* inner = Innermost(breakables, at);
        if (inner == nullptr) {
            *errors += SourceError(tokens[at], word + " must be inside a loop",
                                   word == "break" ? "X3518" : "X3519") +
                       "\n";
        } else if (word == "continue" && !inner->loop) {
            *errors +=
                SourceError(tokens[at], "continue cannot be used in a switch", "X3708") + "\n";
        }
    }
    for (const Breakable& loop : breakables) {
        if (loop.loop && AlwaysTrue(tokens, loop) && !Leaves(tokens, breakables, loop)) {
            *errors += SourceError(tokens[loop.keyword],
                                   "infinite loop detected - loop never exits", "X3696") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
