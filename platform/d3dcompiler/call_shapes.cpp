#include "call_shapes.h"

namespace d3dcompiler_standin {

std::optional<NumericShape> ParseShape(const std::string& type) {
    static const char* kBases[] = {"bool", "int", "uint", "dword", "half", "float", "double"};
    std::string base = type;
    uint32_t components = 1;
    if (!base.empty() && base.back() >= '1' && base.back() <= '4') {
        components = uint32_t(base.back() - '0');
        base.pop_back();
    }
    for (const char* known : kBases) {
        if (base == known) {
            return NumericShape{base == "dword" ? "uint" : base, components};
        }
    }
    return std::nullopt;
}

std::vector<std::pair<size_t, size_t>> CallArguments(const std::vector<HlslToken>& tokens,
                                                     size_t open) {
    std::vector<std::pair<size_t, size_t>> arguments;
    const size_t close = ClosingBracket(tokens, open);
    size_t start = open + 1;
    for (size_t at = start; at <= close && at < tokens.size() && close > open + 1; ++at) {
        if (tokens[at].text == "(" || tokens[at].text == "[" || tokens[at].text == "{") {
            at = ClosingBracket(tokens, at);
        } else if (tokens[at].text == "," || at == close) {
            arguments.push_back({start, at});
            start = at + 1;
        }
    }
    return arguments;
}

std::map<std::string, std::optional<NumericShape>>
DeclaredShapes(const std::vector<HlslToken>& tokens) {
    std::map<std::string, std::optional<NumericShape>> shapes;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::optional<NumericShape> shape = ParseShape(tokens[at].text);
        const HlslToken& name = tokens[at + 1];
        if (!shape || name.kind != HlslToken::Kind::Identifier || IsToken(tokens, at + 2, "(")) {
            continue;
        }
        if (IsToken(tokens, at + 2, "[")) {
            shapes[name.text].reset(); // an array, no scalar or vector
            continue;
        }
        auto [found, inserted] = shapes.insert({name.text, shape});
        if (!inserted && (!found->second || found->second->base != shape->base ||
                          found->second->components != shape->components)) {
            found->second.reset();
        }
    }
    return shapes;
}

std::optional<NumericShape>
ArgumentShape(const std::vector<HlslToken>& tokens, size_t begin, size_t end,
              const std::map<std::string, std::optional<NumericShape>>& declared) {
    if (end == begin + 1) {
        auto found = declared.find(tokens[begin].text);
        return found != declared.end() ? found->second : std::nullopt;
    }
    if (IsToken(tokens, begin + 1, "(") && ClosingBracket(tokens, begin + 1) == end - 1) {
        return ParseShape(tokens[begin].text);
    }
    return std::nullopt;
}

std::optional<std::vector<NumericShape>> ParameterShapes(const std::vector<HlslToken>& tokens,
                                                         const FunctionDefinition& function) {
    std::vector<NumericShape> shapes;
    for (const auto& [begin, end] : Parameters(tokens, function)) {
        size_t at = begin;
        at += tokens[at].text == "in";
        const std::optional<NumericShape> shape = ParseShape(tokens[at].text);
        if (!shape) {
            return std::nullopt;
        }
        shapes.push_back(*shape);
    }
    return shapes;
}

} // namespace d3dcompiler_standin
