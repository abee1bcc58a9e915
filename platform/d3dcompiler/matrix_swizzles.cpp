#include "matrix_swizzles.h"
#include "expression_types.h"
#include "numeric_type_names.h"

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Names declared with a matrix type ("float4x4 world", "row_major int2x2 m"),
// with the type; a name declared with two types is left out.
std::map<std::string, std::string> MatrixNames(const Tokens& tokens) {
    std::map<std::string, std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        NumericTypeName type;
        if (!ReadNumericTypeName(tokens[at].text, &type) || type.columns == 0 ||
            !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        auto [found, inserted] = names.insert({tokens[at + 1].text, tokens[at].text});
        if (!inserted && found->second != tokens[at].text) {
            found->second.clear();
        }
    }
    return names;
}

// A function taking a matrix of `type` and giving the vector of its
// `elements`: for a matrix that a call gives, which must be read once.
std::string SwizzleHelper(const std::string& name, const std::string& type,
                          const std::string& vector, const std::vector<std::string>& elements) {
    std::string definition = "#ifndef " + name + "_defined\n#define " + name + "_defined\n";
    definition += vector + " " + name + "(" + type + " m) { return " + vector + "(";
    for (size_t i = 0; i < elements.size(); ++i) {
        definition += (i > 0 ? ", m." : "m.") + elements[i];
    }
    return definition + "); }\n#endif\n";
}

// Whether the expression ending at `at` is written: an assignment follows.
bool IsWritten(const Tokens& tokens, size_t at) {
    if (at + 1 >= tokens.size()) {
        return false;
    }
    const std::string& next = tokens[at + 1].text;
    const bool assignment = next == "=" && !IsToken(tokens, at + 2, "=");
    const bool compound = (next == "+" || next == "-" || next == "*" || next == "/" ||
                           next == "%" || next == "&" || next == "|" || next == "^") &&
                          IsToken(tokens, at + 2, "=") && Adjacent(tokens[at + 1], tokens[at + 2]);
    return assignment || compound || next == "++" || next == "--";
}

// Whether tokens[first, end) reads the same each time: no call, increment or
// assignment in it.
bool Repeatable(const Tokens& tokens, size_t first, size_t end) {
    for (size_t at = first; at < end; ++at) {
        const std::string& text = tokens[at].text;
        const bool doubled = (text == "+" || text == "-") && at + 1 < end &&
                             tokens[at + 1].text == text && Adjacent(tokens[at], tokens[at + 1]);
        if (text == "(" || text == "=" || doubled) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<std::string> MatrixSwizzleElements(const std::string& swizzle) {
    std::vector<std::string> elements;
    for (size_t at = 0; at < swizzle.size();) {
        const bool zeroBased = swizzle.compare(at, 2, "_m") == 0;
        const size_t length = zeroBased ? 4 : 3;
        const size_t digits = at + length - 2;
        const char low = zeroBased ? '0' : '1';
        const char high = zeroBased ? '3' : '4';
        if (swizzle[at] != '_' || digits + 2 > swizzle.size() || swizzle[digits] < low ||
            swizzle[digits] > high || swizzle[digits + 1] < low || swizzle[digits + 1] > high) {
            return {};
        }
        elements.push_back(swizzle.substr(at, length));
        at += length;
    }
    return elements;
}

void RewriteMatrixSwizzles(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::map<std::string, std::string> matrices;
    std::set<std::string> helpers;
    bool read = false;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "." || tokens[at + 1].text.size() < 6 ||
            tokens[at + 1].text[0] != '_' || !IsIdentifier(tokens, at - 1)) {
            continue;
        }
        const std::vector<std::string> elements = MatrixSwizzleElements(tokens[at + 1].text);
        if (elements.size() < 2 || elements.size() > 4 || IsWritten(tokens, at + 1)) {
            continue;
        }
        const size_t start = PostfixOperandStart(tokens, at);
        if (start == at) {
            continue;
        }
        if (!read) {
            matrices = MatrixNames(tokens);
            read = true;
        }
        const HlslToken& name = tokens[at - 1];
        const auto found = matrices.find(name.text);
        if (found == matrices.end() || found->second.empty()) {
            continue;
        }
        NumericTypeName type;
        ReadNumericTypeName(found->second, &type);
        const std::string vectorType = std::string(type.base) + std::to_string(elements.size());
        const std::string matrix = ExpressionText(tokens, start, at, false);
        std::string vector = vectorType + "(";
        for (size_t i = 0; i < elements.size(); ++i) {
            vector += (i > 0 ? ", " : "") + matrix + "." + elements[i];
        }
        vector += ")";
        if (!Repeatable(tokens, start, at)) {
            // Integer and bool matrices are float matrices for glslang.
            const std::string floatType =
                "float" + std::to_string(type.size) + "x" + std::to_string(type.columns);
            const std::string helper = "standin_swizzle_" + found->second + tokens[at + 1].text;
            helpers.insert(SwizzleHelper(helper, floatType, vectorType, elements));
            vector = helper + "(" + matrix + ")";
        }
        const size_t first = tokens[start].offset;
        const HlslToken& swizzle = tokens[at + 1];
        edits->push_back({first, swizzle.offset + swizzle.text.size() - first, vector});
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
