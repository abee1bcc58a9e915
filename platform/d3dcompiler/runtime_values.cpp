#include "runtime_values.h"

#include <strings.h>

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
// or `uniform`, and locals initialised from what the program or the draw gives
// ("uint which = (uint)position.x % 2;"), in the order they are declared.
void RuntimeValues::ReadParametersAndLocals() {
    for (size_t at = 1; at + 2 < tokens_.size(); ++at) {
        const HlslToken& token = tokens_[at];
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
        if (!IsChar(tokens_[at + 1], '=')) {
            continue;
        }
        size_t end = at + 2;
        while (end < tokens_.size() && !IsChar(tokens_[end], ';') && !IsChar(tokens_[end], ',')) {
            const std::string& text = tokens_[end].text;
            end = text == "(" || text == "[" || text == "{" ? ClosingBracket(tokens_, end) + 1
                                                            : end + 1;
        }
        if (Reads(at + 2, end)) {
            const std::pair<size_t, size_t> body = EnclosingBody(at);
            scoped_.push_back({token.text, body.first, body.second});
        }
    }
}

// "[loop] for (uint i = 0; ...)": i, from the for to the end of its body.
void RuntimeValues::ReadLoopCounters() {
    for (size_t at = 0; at + 6 < tokens_.size(); ++at) {
        if (!IsChar(tokens_[at], '[') || strcasecmp(tokens_[at + 1].text.c_str(), "loop") != 0 ||
            !IsChar(tokens_[at + 2], ']') || !IsWord(tokens_[at + 3], "for") ||
            !IsChar(tokens_[at + 4], '(')) {
            continue;
        }
        const size_t header = ClosingBracket(tokens_, at + 4);
        size_t name = at + 5;
        while (name < header && !EndsDeclarator(tokens_, name)) {
            ++name;
        }
        if (name >= header || header + 1 >= tokens_.size()) {
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
        scoped_.push_back({tokens_[name].text, at + 3, last});
    }
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
