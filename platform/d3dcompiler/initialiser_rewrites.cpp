#include "initialiser_rewrites.h"

#include "aggregate_shapes.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::string Nest(const Shape& shape, const std::string& source, const Tokens& tokens,
                 const std::vector<std::pair<size_t, size_t>>& elements, size_t* next) {
    if (shape.parts.empty()) {
        const auto [first, end] = elements[(*next)++];
        const size_t endOffset = tokens[end - 1].offset + tokens[end - 1].text.size();
        return source.substr(tokens[first].offset, endOffset - tokens[first].offset);
    }
    std::string text = "{";
    for (size_t i = 0; i < shape.parts.size(); ++i) {
        text += (i == 0 ? "" : ", ") + Nest(shape.parts[i], source, tokens, elements, next);
    }
    return text + "}";
}

} // namespace

void NestFlatInitialisers(const std::string& source, const std::vector<HlslToken>& tokens,
                          std::vector<TextEdit>* edits) {
    Shapes structures;
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && tokens[at + 1].kind == HlslToken::Kind::Identifier) {
            ReadStructure(tokens, at, &structures);
            continue;
        }
        // "Type name[dims] = {" with a type whose shape is known; the shape is
        // built only for such a list (a large array's is costly).
        const size_t afterDeclarator = AfterDimensions(tokens, at + 2);
        if (!IsToken(tokens, afterDeclarator, "=") || !IsToken(tokens, afterDeclarator + 1, "{")) {
            continue;
        }
        size_t next = at;
        std::optional<Shape> shape = DeclaredShape(tokens, at, structures, &next);
        if (!shape || !IsToken(tokens, next, "=") || !IsToken(tokens, next + 1, "{")) {
            continue;
        }
        const size_t open = next + 1;
        const size_t close = ClosingBracket(tokens, open);
        bool nestedLists = false;
        const std::vector<std::pair<size_t, size_t>> elements =
            close < tokens.size() ? ListElements(tokens, open, close, &nestedLists)
                                  : std::vector<std::pair<size_t, size_t>>();
        if ((!shape->HoldsAggregates() && !nestedLists) || elements.size() != shape->Scalars()) {
            continue;
        }
        size_t taken = 0;
        std::string nested = Nest(*shape, source, tokens, elements, &taken);
        const size_t begin = tokens[open].offset;
        const size_t end = tokens[close].offset + 1;
        // The list's line breaks follow it, so the lines after it keep their numbers.
        for (size_t c = begin; c < end; ++c) {
            nested += source[c] == '\n' ? "\n" : "";
        }
        edits->push_back({begin, end - begin, nested});
    }
}

} // namespace d3dcompiler_standin
