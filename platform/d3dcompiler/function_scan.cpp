#include "function_scan.h"

#include <map>

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

std::set<std::string> NamesReached(const std::vector<HlslToken>& tokens,
                                   const std::vector<FunctionDefinition>& functions,
                                   const FunctionDefinition& entry) {
    std::multimap<std::string, const FunctionDefinition*> byName;
    for (const FunctionDefinition& function : functions) {
        byName.insert({tokens[function.name].text, &function});
    }
    std::set<std::string> names;
    std::set<const FunctionDefinition*> visited;
    std::vector<const FunctionDefinition*> pending = {&entry};
    while (!pending.empty()) {
        const FunctionDefinition* function = pending.back();
        pending.pop_back();
        if (!visited.insert(function).second) {
            continue;
        }
        for (size_t at = function->parameters; at <= function->end && at < tokens.size(); ++at) {
            if (!IsIdentifier(tokens, at) || !names.insert(tokens[at].text).second) {
                continue;
            }
            auto [first, last] = byName.equal_range(tokens[at].text);
            for (auto it = first; it != last; ++it) {
                pending.push_back(it->second);
            }
        }
    }
    return names;
}

size_t SimpleStatementEnd(const std::vector<HlslToken>& tokens, size_t at, size_t end) {
    while (at < end && !IsChar(tokens[at], ';')) {
        const std::string& text = tokens[at].text;
        at = (text == "(" || text == "[" || text == "{") ? ClosingBracket(tokens, at) + 1 : at + 1;
    }
    return at + 1;
}

size_t ValueEnd(const std::vector<HlslToken>& tokens, size_t first, size_t limit) {
    for (size_t at = first; at < limit; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = ClosingBracket(tokens, at);
        } else if (text == ";" || text == "," || text == ")" || text == "}") {
            return at;
        }
    }
    return limit;
}

} // namespace d3dcompiler_standin
