#include "function_scan.h"

namespace d3dcompiler_standin {
namespace {

// At global scope, "name (" preceded by a return type ("float4", "vector<...>").
bool StartsFunction(const std::vector<HlslToken>& tokens, size_t open) {
    if (open < 2 || !IsIdentifier(tokens, open - 1)) {
        return false;
    }
    const std::string& name = tokens[open - 1].text;
    return name != "register" && name != "packoffset" &&
           (IsIdentifier(tokens, open - 2) || IsToken(tokens, open - 2, ">"));
}

// Past ") : SV_Target" and the like: the '{' of a definition, or tokens.size().
size_t BodyAfter(const std::vector<HlslToken>& tokens, size_t close) {
    size_t at = close + 1;
    while (IsToken(tokens, at, ":") && IsIdentifier(tokens, at + 1)) {
        at += 2;
        if (IsToken(tokens, at, "(")) {
            at = ClosingBracket(tokens, at) + 1;
        }
    }
    return IsToken(tokens, at, "{") ? at : tokens.size();
}

} // namespace

std::vector<FunctionDefinition> FindFunctionDefinitions(const std::vector<HlslToken>& tokens) {
    std::vector<FunctionDefinition> functions;
    size_t depth = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (depth == 0 && text == "(" && StartsFunction(tokens, at)) {
            const size_t close = ClosingBracket(tokens, at);
            const size_t body = close < tokens.size() ? BodyAfter(tokens, close) : tokens.size();
            if (body < tokens.size()) {
                const size_t end = ClosingBracket(tokens, body);
                functions.push_back({at - 1, at, body, end});
                at = end;
                continue;
            }
        }
        if (text == "{") {
            ++depth;
        } else if (text == "}" && depth > 0) {
            --depth;
        }
    }
    return functions;
}

std::vector<TypeBody> FindTypeBodies(const std::vector<HlslToken>& tokens) {
    std::vector<TypeBody> bodies;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        const bool buffer = text == "cbuffer" || text == "tbuffer";
        if (!buffer && text != "struct") {
            continue;
        }
        size_t open = at + 1;
        while (open < tokens.size() && tokens[open].text != "{" && tokens[open].text != ";") {
            ++open;
        }
        if (IsToken(tokens, open, "{")) {
            bodies.push_back({open, ClosingBracket(tokens, open), buffer});
        }
    }
    return bodies;
}

std::vector<std::pair<size_t, size_t>> Parameters(const std::vector<HlslToken>& tokens,
                                                  const FunctionDefinition& function) {
    std::vector<std::pair<size_t, size_t>> parameters;
    const size_t close = ClosingBracket(tokens, function.parameters);
    size_t start = function.parameters + 1;
    for (size_t at = start; at <= close && at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || (text == "<" && at > start)) {
            at = ClosingBracket(tokens, at);
        } else if (text == "," || at == close) {
            if (at > start) {
                parameters.push_back({start, at});
            }
            start = at + 1;
        }
    }
    return parameters;
}

} // namespace d3dcompiler_standin
