#include "runtime_values.h"

#include "assignment_operators.h"
#include "function_scan.h"

#include <strings.h>

#include <algorithm>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsWord(const HlslToken& token, const char* word) {
    return token.kind == HlslToken::Kind::Identifier && token.text == word;
}

// Whether the name at `at` ends a declarator: "float4 tint;", "uint a, b",
// "float w[4]", "float x : packoffset(c0)", "float y = 1".
bool EndsDeclarator(const Tokens& tokens, size_t at) {
    if (at == 0 || at + 1 >= tokens.size() || tokens[at].kind != HlslToken::Kind::Identifier) {
        return false;
    }
    const HlslToken& next = tokens[at + 1];
    const HlslToken& before = tokens[at - 1];
    const bool follows = IsChar(next, ';') || IsChar(next, ',') || IsChar(next, '[') ||
                         IsChar(next, ':') || IsChar(next, '=');
    return follows && (before.kind == HlslToken::Kind::Identifier || IsChar(before, '>') ||
                       IsChar(before, ','));
}

// Where the value begins of a statement assigning to the name at `at`
// ("which = i;", "which += offset;", "if (c) which = i;"); 0 for others.
size_t AssignmentValue(const Tokens& tokens, size_t at) {
    if (at == 0 || at + 2 >= tokens.size() || tokens[at].kind != HlslToken::Kind::Identifier) {
        return 0;
    }
    const HlslToken& before = tokens[at - 1];
    const bool starts = IsChar(before, ';') || IsChar(before, '{') || IsChar(before, '}') ||
                        IsChar(before, ')') || IsWord(before, "else");
    return starts ? AssignedValue(tokens, at + 1) : 0;
}

// Where the for statement's clause starting at `begin` ends: its ';', or the
// header's ')' at `header`.
size_t ClauseEnd(const Tokens& tokens, size_t begin, size_t header) {
    size_t end = begin;
    while (end < header && !IsChar(tokens[end], ';')) {
        const std::string& text = tokens[end].text;
        end = text == "(" || text == "[" ? ClosingBracket(tokens, end) + 1 : end + 1;
    }
    return std::min(end, header);
}

// Whether the loop whose "for" is at `at` has an [unroll] attribute, with or
// without a count: a count unrolls it whatever its bound.
bool MarkedUnroll(const Tokens& tokens, size_t at) {
    if (at < 2 || !IsChar(tokens[at - 1], ']')) {
        return false;
    }
    const size_t open = OpeningBracket(tokens, at - 1);
    return open + 1 < at && strcasecmp(tokens[open + 1].text.c_str(), "unroll") == 0;
}

} // namespace

RuntimeValues::RuntimeValues(const Tokens& tokens) : tokens_(tokens) {
    for (size_t at = 0; at < tokens_.size(); ++at) {
        if (IsChar(tokens_[at], '{')) {
            const size_t close = ClosingBracket(tokens_, at);
            bodies_.push_back({at, close});
            at = close;
        }
    }
    ReadGlobals();
    ReadParametersAndLocals();
    ReadLoopCounters();
}

// Declarations at file scope and in constant buffers; function bodies and
// structures are passed over.
void RuntimeValues::ReadGlobals() {
    size_t statement = 0;
    // static, or no variable (a function, a typedef). A global const without
    // static is still a constant the program sets: Windows' warning X3207
    // says so of its initialiser.
    bool fixed = false;
    for (size_t at = 0; at < tokens_.size(); ++at) {
        const HlslToken& token = tokens_[at];
        if (IsChar(token, ';')) {
            statement = at + 1;
            fixed = false;
        } else if (IsChar(token, '{')) {
            const bool buffer =
                statement < tokens_.size() &&
                (IsWord(tokens_[statement], "cbuffer") || IsWord(tokens_[statement], "tbuffer"));
            if (!buffer) {
                at = ClosingBracket(tokens_, at);
            }
            statement = at + 1;
            fixed = false;
        } else if (IsChar(token, '}')) {
            statement = at + 1;
            fixed = false;
        } else if (IsChar(token, '(') || IsWord(token, "static") || IsWord(token, "typedef") ||
                   IsWord(token, "struct")) {
            fixed = true;
            if (IsChar(token, '(')) {
                at = ClosingBracket(tokens_, at);
            }
        } else if (!fixed && EndsDeclarator(tokens_, at)) {
            names_.insert(token.text);
        }
    }
}

// Parameters and members with a semantic ("float4 position : SV_Position")
// or `uniform`, and locals initialised or assigned from what the program or
// the draw gives ("uint which = (uint)position.x % 2;", "which += offset;"),
// from there to the end of their function, in the order they are written.
void RuntimeValues::ReadParametersAndLocals() {
    for (size_t at = 1; at + 2 < tokens_.size(); ++at) {
        const HlslToken& token = tokens_[at];
        const size_t value = AssignmentValue(tokens_, at);
        if (value != 0) {
            if (Reads(value, ValueEnd(tokens_, value, tokens_.size()))) {
                scoped_.push_back({token.text, at, EnclosingBody(at).second});
            } else if (value == at + 2) {
                Forget(token.text, at); // "which = 1;" folds again
            }
            continue;
        }
        if (token.kind != HlslToken::Kind::Identifier || !EndsDeclarator(tokens_, at) ||
            IsWord(tokens_[at - 1], "case")) {
            continue;
        }
        const HlslToken& after = tokens_[at + 2];
        if (IsChar(tokens_[at + 1], ':') && after.kind == HlslToken::Kind::Identifier &&
            after.text != "register" && after.text != "packoffset") {
            inputs_.insert(token.text);
            continue;
        }
        if (at >= 2 && IsWord(tokens_[at - 2], "uniform")) {
            names_.insert(token.text);
            continue;
        }
        if (IsChar(tokens_[at + 1], '=') &&
            Reads(at + 2, ValueEnd(tokens_, at + 2, tokens_.size()))) {
            const std::pair<size_t, size_t> body = EnclosingBody(at);
            scoped_.push_back({token.text, body.first, body.second});
        }
    }
}

// Whether the "for" at `at` is marked [loop], which keeps it a loop.
bool MarkedLoop(const Tokens& tokens, size_t at) {
    return at >= 3 && IsChar(tokens[at - 3], '[') &&
           strcasecmp(tokens[at - 2].text.c_str(), "loop") == 0 && IsChar(tokens[at - 1], ']');
}

// The counter of a loop that stays a loop, so that Windows' compiler cannot
// make its counter a literal, from the for to the end of its body: one marked
// [loop] ("[loop] for (uint i = 0; ...)"), or one without [unroll] whose
// condition reads such a value ("for (uint i = 0; i < count; ++i)").
void RuntimeValues::ReadLoopCounters() {
    for (size_t at = 0; at + 3 < tokens_.size(); ++at) {
        if (!IsWord(tokens_[at], "for") || !IsChar(tokens_[at + 1], '(')) {
            continue;
        }
        const size_t header = ClosingBracket(tokens_, at + 1);
        size_t name = at + 2;
        while (name < header && !EndsDeclarator(tokens_, name) &&
               !(IsIdentifier(tokens_, name) && AssignedValue(tokens_, name + 1) != 0)) {
            ++name;
        }
        if (name >= header || header + 1 >= tokens_.size() || !StaysLoop(at, header)) {
            continue;
        }
        size_t last = header + 1;
        if (IsChar(tokens_[last], '{')) {
            last = ClosingBracket(tokens_, last);
        } else {
            while (last < tokens_.size() && !IsChar(tokens_[last], ';')) {
                ++last;
            }
        }
        scoped_.push_back({tokens_[name].text, at, last});
    }
}

void RuntimeValues::Forget(const std::string& name, size_t at) {
    for (ScopedName& scoped : scoped_) {
        if (scoped.name == name && at >= scoped.first && at <= scoped.last) {
            scoped.last = at;
        }
    }
}

bool RuntimeValues::StaysLoop(size_t at, size_t header) const {
    if (MarkedLoop(tokens_, at)) {
        return true;
    }
    if (MarkedUnroll(tokens_, at)) {
        return false;
    }
    // A condition that also compares with a literal ("i < count && i < 4")
    // may bound the loop for Windows' compiler, which then unrolls it.
    const size_t condition = ClauseEnd(tokens_, at + 2, header);
    const size_t end = ClauseEnd(tokens_, condition + 1, header);
    for (size_t inside = condition + 1; inside < end; ++inside) {
        if (IsChar(tokens_[inside], '&')) {
            return false;
        }
    }
    return condition < header && Reads(condition + 1, end);
}

// The outermost braces around `at`: a function's body; the whole source
// outside them.
std::pair<size_t, size_t> RuntimeValues::EnclosingBody(size_t at) const {
    for (const std::pair<size_t, size_t>& body : bodies_) {
        if (at > body.first && at < body.second) {
            return body;
        }
    }
    return {0, tokens_.size()};
}

bool RuntimeValues::Reads(size_t begin, size_t end) const {
    for (size_t at = begin; at < end && at < tokens_.size(); ++at) {
        const HlslToken& token = tokens_[at];
        if (token.kind != HlslToken::Kind::Identifier) {
            continue;
        }
        if (inputs_.count(token.text) != 0 ||
            ((at == 0 || !IsChar(tokens_[at - 1], '.')) && names_.count(token.text) != 0)) {
            return true;
        }
        for (const ScopedName& scoped : scoped_) {
            if (scoped.name == token.text && at >= scoped.first && at <= scoped.last) {
                return true;
            }
        }
    }
    return false;
}

} // namespace d3dcompiler_standin
