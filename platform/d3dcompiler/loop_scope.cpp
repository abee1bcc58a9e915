#include "loop_scope.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// "for ( type name =" or "for ( type name ;" with one declarator: the type's index.
size_t DeclaredType(const Tokens& tokens, size_t forAt) {
    const size_t type = forAt + 2;
    if (!IsToken(tokens, forAt + 1, "(") || !IsIdentifier(tokens, type) ||
        !IsIdentifier(tokens, type + 1) ||
        !(IsToken(tokens, type + 2, "=") || IsToken(tokens, type + 2, ";"))) {
        return 0;
    }
    for (size_t at = type + 2; at < tokens.size() && tokens[at].text != ";"; ++at) {
        if (tokens[at].text == "(" || tokens[at].text == "[") {
            at = ClosingBracket(tokens, at);
        } else if (tokens[at].text == "," || tokens[at].text == "{") {
            return 0;
        }
    }
    return type;
}

// The first token of the statement whose "for" is at `forAt`, attributes
// included; 0 when the loop is not a statement of its own in a block.
size_t StatementStart(const Tokens& tokens, size_t forAt) {
    size_t start = forAt;
    while (start > 0 && tokens[start - 1].text == "]") {
        size_t open = start - 1;
        for (size_t depth = 0; open > 0; --open) {
            depth += tokens[open].text == "]";
            depth -= tokens[open].text == "[";
            if (depth == 0) {
                break;
            }
        }
        start = open;
    }
    if (start == 0) {
        return 0;
    }
    const std::string& before = tokens[start - 1].text;
    return before == ";" || before == "{" || before == "}" ? start : 0;
}

// The index past the loop's body, or 0 when the body's end is not plain.
size_t LoopEnd(const Tokens& tokens, size_t forAt) {
    const size_t body = ClosingBracket(tokens, forAt + 1) + 1;
    if (body >= tokens.size()) {
        return 0;
    }
    if (tokens[body].text == "{") {
        return ClosingBracket(tokens, body) + 1;
    }
    const std::string& word = tokens[body].text;
    if (word == "if" || word == "for" || word == "while" || word == "do" || word == "switch" ||
        word == "[") {
        return 0;
    }
    for (size_t at = body; at < tokens.size(); ++at) {
        if (tokens[at].text == "(" || tokens[at].text == "[" || tokens[at].text == "{") {
            at = ClosingBracket(tokens, at);
        } else if (tokens[at].text == ";") {
            return at + 1;
        }
    }
    return 0;
}

// Whether the rest of the block from `from` reads `name` before declaring it
// again. The scan stops at the first use, so that sources of many loops cost
// no more than one pass each.
bool ReadLater(const Tokens& tokens, size_t from, const std::string& name) {
    size_t depth = 0;
    for (size_t at = from; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "{") {
            ++depth;
        } else if (text == "}" && depth-- == 0) {
            return false;
        } else if (text == name && tokens[at - 1].text != ".") {
            const std::string& before = tokens[at - 1].text;
            return !IsIdentifier(tokens, at - 1) || before == "return" || before == "else";
        }
    }
    return false;
}

// The '}' closing the block that holds `at`, or tokens.size().
size_t BlockEnd(const Tokens& tokens, size_t at) {
    size_t depth = 0;
    for (; at < tokens.size(); ++at) {
        if (tokens[at].text == "{") {
            ++depth;
        } else if (tokens[at].text == "}" && depth-- == 0) {
            return at;
        }
    }
    return tokens.size();
}

// Whether the block around `start` declares `name` before it ("int i;"),
// outside nested blocks and parentheses.
bool DeclaredBefore(const Tokens& tokens, size_t start, const std::string& name) {
    size_t depth = 0;
    for (size_t at = start; at-- > 1;) {
        const std::string& text = tokens[at].text;
        if (text == "}" || text == ")") {
            ++depth; // a nested block's or a loop header's declarations end there
        } else if ((text == "{" || text == "(") && depth-- == 0) {
            return false;
        } else if (depth == 0 && text == name && IsIdentifier(tokens, at - 1) &&
                   tokens[at - 1].text != "return") {
            return true;
        }
    }
    return false;
}

} // namespace

void HoistLoopVariablesReadAfterTheLoop(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::set<std::pair<size_t, std::string>> hoisted; // (block end, name)
    for (size_t at = 0; at + 4 < tokens.size(); ++at) {
        if (tokens[at].text != "for") {
            continue;
        }
        const size_t type = DeclaredType(tokens, at);
        const size_t start = type != 0 ? StatementStart(tokens, at) : 0;
        const size_t end = start != 0 ? LoopEnd(tokens, at) : 0;
        const std::string& name = tokens[type + 1].text;
        if (end == 0 || !ReadLater(tokens, end, name)) {
            continue;
        }
        const size_t blockEnd = BlockEnd(tokens, end);
        const bool declared =
            hoisted.count({blockEnd, name}) != 0 || DeclaredBefore(tokens, start, name);
        if (!declared) {
            edits->push_back({tokens[start].offset, 0, tokens[type].text + " " + name + "; "});
            hoisted.insert({blockEnd, name});
        } else if (IsToken(tokens, type + 2, "=")) {
            // "for (int i = 0;" with an i declared before: "for (i = int(0);", converted to the
            // loop's type, and a form the X3078 warning knows for this redeclaration.
            size_t semicolon = type + 3;
            while (semicolon < tokens.size() && tokens[semicolon].text != ";") {
                const std::string& text = tokens[semicolon].text;
                semicolon = text == "(" || text == "[" ? ClosingBracket(tokens, semicolon) + 1
                                                       : semicolon + 1;
            }
            edits->push_back({tokens[type + 2].offset + 1, 0, " " + tokens[type].text + "("});
            edits->push_back({tokens[semicolon].offset, 0, ")"});
        }
        edits->push_back({tokens[type].offset, tokens[type + 1].offset - tokens[type].offset, ""});
    }
}

} // namespace d3dcompiler_standin
