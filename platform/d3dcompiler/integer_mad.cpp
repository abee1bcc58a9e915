#include "integer_mad.h"
#include "expression_types.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

// "int", "uint2": the integer scalar or vector type of a mad call's value;
// empty for floats, matrices and what the declarations do not tell.
std::string IntegerType(const ExpressionType& type) {
    if (type.IsArray() || type.structure || type.columns > 0) {
        return "";
    }
    const bool isUnsigned = type.base == "uint" || type.base == "dword" || type.base == "min16uint";
    const bool isSigned = type.base == "int" || type.base == "min16int" ||
                          type.base == "min12int" || type.base == "bool";
    if (!isUnsigned && !isSigned) {
        return "";
    }
    return (isUnsigned ? "uint" : "int") + (type.rows > 0 ? std::to_string(type.rows) : "");
}

std::string Helper(const std::string& name, const std::string& type) {
    return "#ifndef " + name + "_defined\n#define " + name + "_defined\n" + type + " " + name +
           "(" + type + " m, " + type + " a, " + type + " b) { return m * a + b; }\n#endif\n";
}

} // namespace

void RewriteIntegerMad(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    LazyExpressionTypes types(tokens);
    std::set<std::string> helpers;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "mad" || tokens[at + 1].text != "(" ||
            (at > 0 && tokens[at - 1].text == ".")) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        const std::optional<ExpressionType> type =
            close < tokens.size() ? types->TypeOf(at, close + 1) : std::nullopt;
        const std::string integer = type ? IntegerType(*type) : "";
        if (integer.empty()) {
            continue;
        }
        const std::string name = "standin_mad_" + integer;
        helpers.insert(Helper(name, integer));
        edits->push_back({tokens[at].offset, tokens[at].text.size(), name});
    }
    std::string definitions;
    for (const std::string& helper : helpers) {
        definitions += helper;
    }
    if (!definitions.empty()) {
        edits->push_back({0, 0, definitions + "#line 1\n"});
    }
}

} // namespace d3dcompiler_standin
