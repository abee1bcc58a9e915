#include "matrix_row_intrinsics.h"

#include "expression_types.h"
#include "numeric_type_names.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsBitCast(const std::string& name) {
    return name == "asuint" || name == "asint" || name == "asfloat";
}

bool HasOutMatrix(const std::string& name) {
    return name == "modf" || name == "frexp";
}

// The helper of modf or frexp of a float matrix of `type`: each row's
// intrinsic, its out vector gathered into the out matrix.
std::string OutHelper(const std::string& name, const ExpressionType& type,
                      std::string* definition) {
    const std::string shape = type.MatrixShape();
    const std::string matrix = "float" + shape;
    const std::string row = "float" + std::to_string(type.columns);
    const std::string helper = "standin_" + name + "_" + shape;
    std::string body;
    std::string results;
    std::string outs;
    for (int i = 0; i < type.rows; ++i) {
        const std::string n = std::to_string(i);
        body +=
            row + " o" + n + "; " + row + " r" + n + " = " + name + "(m[" + n + "], o" + n + "); ";
        results += (i > 0 ? ", r" : "r") + n;
        outs += (i > 0 ? ", o" : "o") + n;
    }
    *definition = "#ifndef " + helper + "_defined\n#define " + helper + "_defined\n" + matrix +
                  " " + helper + "(" + matrix + " m, out " + matrix + " out_value) { " + body +
                  "out_value = " + matrix + "(" + outs + "); return " + matrix + "(" + results +
                  "); }\n#endif\n";
    return helper;
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

// Where the first argument of tokens (open, close) ends: its top-level
// comma, or `close`.
size_t FirstArgumentEnd(const Tokens& tokens, size_t open, size_t close) {
    int depth = 0;
    for (size_t i = open + 1; i < close; ++i) {
        const std::string& text = tokens[i].text;
        depth += text == "(" || text == "[" || text == "{";
        depth -= text == ")" || text == "]" || text == "}";
        if (depth == 0 && text == ",") {
            return i;
        }
    }
    return close;
}

} // namespace

void RewriteMatrixRowIntrinsics(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::set<std::string> helpers;
    std::optional<LazyExpressionTypes> types;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const std::string& name = tokens[at].text;
        const bool bitCast = IsBitCast(name);
        if (tokens[at].kind != HlslToken::Kind::Identifier || (!bitCast && !HasOutMatrix(name)) ||
            !IsToken(tokens, at + 1, "(") || (at > 0 && IsToken(tokens, at - 1, "."))) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        const size_t first = close < tokens.size() ? FirstArgumentEnd(tokens, at + 1, close) : 0;
        if (first <= at + 2 || (first == close) != bitCast) {
            continue; // one argument for a bit cast, two for the others
        }
        if (!types) {
            types.emplace(tokens);
        }
        const std::optional<ExpressionType> type = (*types)->TypeOf(at + 2, first);
        if (!type || !type->IsMatrix() || type->base == "double" ||
            (!bitCast && !IntegerElementOf(type->base).empty())) {
            continue;
        }
        std::string definition;
        const std::string helper =
            bitCast ? Helper(name, *type, &definition) : OutHelper(name, *type, &definition);
        edits->push_back({tokens[at].offset, name.size(), helper});
        helpers.insert(definition);
    }
    if (!helpers.empty()) {
        DefineHelpersFirst(helpers, edits);
    }
}

} // namespace d3dcompiler_standin
