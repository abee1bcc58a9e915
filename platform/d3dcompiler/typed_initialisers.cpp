#include "typed_initialisers.h"

#include "expression_types.h"
#include "numeric_type_names.h"

#include <optional>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
using Range = std::pair<size_t, size_t>; // tokens [first, end)

// Whether every element is a number, which needs no types to place.
bool AllNumbers(const Tokens& tokens, const std::vector<Range>& elements) {
    for (const auto& [first, end] : elements) {
        const size_t number = tokens[first].text == "-" ? first + 1 : first;
        if (number + 1 != end || tokens[number].kind != HlslToken::Kind::Number) {
            return false;
        }
    }
    return true;
}

std::string Nest(const Shape& shape, const std::vector<std::string>& leaves, size_t* next) {
    if (shape.parts.empty()) {
        return leaves[(*next)++];
    }
    std::string text = "{";
    for (size_t i = 0; i < shape.parts.size(); ++i) {
        text += (i == 0 ? "" : ", ") + Nest(shape.parts[i], leaves, next);
    }
    return text + "}";
}

// The elements' scalars in order; none when an element's type is not known,
// or when no element has more than one scalar.
std::optional<std::vector<std::string>> ScalarLeaves(const std::string& source,
                                                     const Tokens& tokens,
                                                     const std::vector<Range>& elements,
                                                     const ExpressionTypes& types) {
    std::vector<std::string> leaves;
    bool aggregate = false;
    for (const auto& [first, end] : elements) {
        std::optional<ExpressionType> type = types.TypeOf(first, end);
        if (!type) {
            return std::nullopt;
        }
        if (type->IsScalar()) {
            const size_t from = tokens[first].offset;
            leaves.push_back(
                source.substr(from, tokens[end - 1].offset + tokens[end - 1].text.size() - from));
            continue;
        }
        auto parts = types.Repeatable(first, end)
                         ? types.Leaves(ExpressionText(tokens, first, end, true), *type, true)
                         : std::nullopt;
        if (!parts) {
            return std::nullopt;
        }
        aggregate = true;
        leaves.insert(leaves.end(), parts->begin(), parts->end());
    }
    return aggregate ? std::optional(leaves) : std::nullopt;
}

// "float1 a[2] = { ... }": glslang crashes on any list for an array of
// one-component vectors, so such an array is declared of scalars, which HLSL
// reads alike (".x" of a scalar, and conversions both ways).
void DeclareOneComponentArrayAsScalars(const Tokens& tokens, size_t name,
                                       std::vector<TextEdit>* edits) {
    NumericTypeName type;
    if (name == 0 || name >= tokens.size() || !IsToken(tokens, name + 1, "[") ||
        tokens[name - 1].kind != HlslToken::Kind::Identifier ||
        tokens[name - 1].text.back() != '1' || !ReadNumericTypeName(tokens[name - 1].text, &type) ||
        type.size != 1 || type.columns != 0) {
        return;
    }
    const HlslToken& token = tokens[name - 1];
    edits->push_back({token.offset, token.text.size(), std::string(type.base)});
}

} // namespace

void FlattenTypedInitialisers(const std::string& source, const Tokens& tokens,
                              std::vector<TextEdit>* edits) {
    LazyExpressionTypes types(tokens); // built at the first list that needs it
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "=" || tokens[at + 1].text != "{") {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        bool nestedLists = false;
        const std::vector<Range> elements = close < tokens.size()
                                                ? ListElements(tokens, at + 1, close, &nestedLists)
                                                : std::vector<Range>();
        const size_t name = NameBeforeInitialiser(tokens, at);
        DeclareOneComponentArrayAsScalars(tokens, name, edits);
        if (close >= tokens.size() || elements.empty() || name >= tokens.size() ||
            AllNumbers(tokens, elements)) {
            continue;
        }
        std::optional<ExpressionType> declared = types->TypeOf(name, name + 1);
        std::optional<Shape> shape = declared ? types->ShapeOf(*declared) : std::nullopt;
        auto leaves = shape ? ScalarLeaves(source, tokens, elements, types.Get()) : std::nullopt;
        if (!leaves || leaves->size() != shape->Scalars()) {
            continue;
        }
        size_t taken = 0;
        std::string nested = Nest(*shape, *leaves, &taken);
        const size_t begin = tokens[at + 1].offset;
        const size_t end = tokens[close].offset + 1;
        // The list's line breaks follow it, so the lines after it keep their numbers.
        for (size_t c = begin; c < end; ++c) {
            nested += source[c] == '\n' ? "\n" : "";
        }
        edits->push_back({begin, end - begin, nested});
    }
}

} // namespace d3dcompiler_standin
