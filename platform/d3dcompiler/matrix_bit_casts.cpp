#include "matrix_bit_casts.h"

#include "expression_types.h"
#include "numeric_type_names.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsBitCast(const std::string& name) {
    return name == "asuint" || name == "asint" || name == "asfloat";
}

// The helper `name` of a matrix of `type`, and its definition in `*definition`.
std::string Helper(const std::string& name, const ExpressionType& type, std::string* definition) {
    const std::string shape = type.MatrixShape();
    const std::string matrix = "float" + shape;
    const std::string integer(IntegerElementOf(type.base));
    const std::string source = integer.empty() ? "float" : integer == "int" ? "int" : "uint";
    const std::string helper = "standin_" + name + "_" + source + shape;
    const std::string row = std::to_string(type.columns);
    std::string body;
    for (int i = 0; i < type.rows; ++i) {
        const std::string read = source + row + "(m[" + std::to_string(i) + "])";
        body += (i > 0 ? ", " : "") + std::string("float") + row + "(" + name + "(" + read + "))";
    }
    *definition = "#ifndef " + helper + "_defined\n#define " + helper + "_defined\n" + matrix +
                  " " + helper + "(" + matrix + " m) { return " + matrix + "(" + body +
                  "); }\n#endif\n";
    return helper;
}

// Whether tokens (open, close) hold one argument, no comma outside brackets.
bool OneArgument(const Tokens& tokens, size_t open, size_t close) {
    int depth = 0;
    for (size_t i = open + 1; i < close; ++i) {
        const std::string& text = tokens[i].text;
        depth += text == "(" || text == "[" || text == "{";
        depth -= text == ")" || text == "]" || text == "}";
        if (depth == 0 && text == ",") {
            return false;
        }
    }
    return close > open + 1;
}

} // namespace

void RewriteMatrixBitCasts(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::set<std::string> helpers;
    std::optional<LazyExpressionTypes> types;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].kind != HlslToken::Kind::Identifier || !IsBitCast(tokens[at].text) ||
            !IsToken(tokens, at + 1, "(") || (at > 0 && IsToken(tokens, at - 1, "."))) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close >= tokens.size() || !OneArgument(tokens, at + 1, close)) {
            continue;
        }
        if (!types) {
            types.emplace(tokens);
        }
        const std::optional<ExpressionType> type = (*types)->TypeOf(at + 2, close);
        if (!type || !type->IsMatrix() || type->base == "double") {
            continue;
        }
        std::string definition;
        edits->push_back({tokens[at].offset, tokens[at].text.size(),
                          Helper(tokens[at].text, *type, &definition)});
        helpers.insert(definition);
    }
    if (!helpers.empty()) {
        DefineHelpersFirst(helpers, edits);
    }
}

} // namespace d3dcompiler_standin
