#include "initialiser_count_checks.h"

#include "aggregate_shapes.h"
#include "expression_types.h"

#include <optional>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

constexpr size_t kMaxArrayElements = 65536;

// Components of the value tokens[first, end), counted per array element so
// that a huge array builds no shape; none where its type is not known or its
// size is not one Windows allows (which another check refuses).
std::optional<size_t> ScalarsOf(const ExpressionTypes& types, size_t first, size_t end) {
    std::optional<ExpressionType> type = types.TypeOf(first, end);
    if (!type || !type->resource.empty()) {
        return std::nullopt;
    }
    size_t elements = 1;
    for (const size_t dimension : type->dimensions) {
        if (dimension == 0 || dimension > kMaxArrayElements) {
            return std::nullopt;
        }
        elements *= dimension;
    }
    type->dimensions.clear();
    const std::optional<Shape> element = types.ShapeOf(*type);
    return element ? std::optional(elements * element->Scalars()) : std::nullopt;
}

// The components the list from `open` to `close` holds, or none where an
// element's type is not known.
std::optional<size_t> ListScalars(const Tokens& tokens, size_t open, size_t close,
                                  const ExpressionTypes& types) {
    bool nested = false;
    const auto elements = ListElements(tokens, open, close, &nested);
    if (elements.empty()) {
        return std::nullopt;
    }
    size_t count = 0;
    for (const auto& [first, end] : elements) {
        const std::optional<size_t> scalars = ScalarsOf(types, first, end);
        if (!scalars) {
            return std::nullopt;
        }
        count += *scalars;
    }
    return count;
}

} // namespace

void CheckInitialiserCounts(const Tokens& tokens, std::string* errors) {
    LazyExpressionTypes types(tokens); // built at the first list
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (!IsChar(tokens[at], '=') || !IsChar(tokens[at + 1], '{')) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        const size_t name = NameBeforeInitialiser(tokens, at);
        if (close >= tokens.size() || name >= tokens.size()) {
            continue;
        }
        const std::optional<size_t> wanted = ScalarsOf(types.Get(), name, name + 1);
        const std::optional<size_t> given =
            wanted ? ListScalars(tokens, at + 1, close, types.Get()) : std::nullopt;
        if (given && *given != *wanted) {
            *errors += SourceError(tokens[name],
                                   "'" + tokens[name].text + "': initializer does not match type",
                                   "X3017") +
                       "\n";
        }
        at = close;
    }
}

} // namespace d3dcompiler_standin
