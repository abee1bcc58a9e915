#include "matrix_products.h"
#include "matrix_comparisons.h"

#include <map>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::string HelperName(const std::string& shape) {
    std::string name = "standin_multiply_";
    name += shape;
    return name;
}

// Appended piece by piece: GCC 12's Release build warns (-Wrestrict, wrongly)
// on a literal added to a temporary string.
std::string HelperDefinition(const std::string& shape) {
    const std::string name = HelperName(shape);
    std::string type = "float";
    type += shape;
    std::string rows;
    for (int r = 0; r < shape[0] - '0'; ++r) {
        const std::string index = std::to_string(r);
        for (const char* piece :
             {r > 0 ? ", a[" : "a[", index.c_str(), "] * b[", index.c_str(), "]"}) {
            rows += piece;
        }
    }
    std::string definition;
    for (const std::string& piece :
         {std::string("#ifndef "), name, std::string("_defined\n#define "), name,
          std::string("_defined\n"), type, std::string(" "), name, std::string("("), type,
          std::string(" a, "), type, std::string(" b) { return "), type, std::string("("), rows,
          std::string("); }\n#endif\n")}) {
        definition += piece;
    }
    return definition;
}

// Whether the name at `at` is a whole operand of the * after it: nothing
// that binds as tightly stands before it.
bool StartsOperand(const Tokens& tokens, size_t at) {
    static const std::set<std::string> kBinding = {".", "*", "/", "%", "]", ")", "++", "--"};
    return at > 0 && tokens[at - 1].kind == HlslToken::Kind::Punctuation &&
           kBinding.count(tokens[at - 1].text) == 0;
}

// Whether the name at `at` ends the operand after the *.
bool EndsOperand(const Tokens& tokens, size_t at) {
    static const std::set<std::string> kBinding = {".", "[", "(", "++", "--"};
    return at + 1 < tokens.size() && kBinding.count(tokens[at + 1].text) == 0;
}

// The shape both names at `left` and `right` are declared with, or "".
std::string SharedShape(const std::map<std::string, std::string>& matrices, const Tokens& tokens,
                        size_t left, size_t right) {
    auto a = matrices.find(tokens[left].text);
    auto b = matrices.find(tokens[right].text);
    return a != matrices.end() && b != matrices.end() && a->second == b->second ? a->second : "";
}

} // namespace

void RewriteMatrixProducts(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    std::map<std::string, std::string> matrices;
    bool scanned = false;
    std::set<std::string> shapes;
    for (size_t at = 1; at + 3 < tokens.size(); ++at) {
        if (!IsIdentifier(tokens, at) || tokens[at + 1].text != "*" || !StartsOperand(tokens, at)) {
            continue;
        }
        const bool compound =
            tokens[at + 2].text == "=" && Adjacent(tokens[at + 1], tokens[at + 2]);
        const size_t right = compound ? at + 3 : at + 2;
        if (!IsIdentifier(tokens, right) || !EndsOperand(tokens, right)) {
            continue;
        }
        if (!scanned) {
            matrices = MatrixNames(tokens);
            scanned = true;
        }
        const std::string shape = SharedShape(matrices, tokens, at, right);
        if (shape.empty()) {
            continue;
        }
        shapes.insert(shape);
        std::string call = HelperName(shape);
        call += "(";
        const size_t operatorEnd = tokens[right].offset;
        edits->push_back({tokens[at + 1].offset, operatorEnd - tokens[at + 1].offset,
                          compound ? "= " + call + tokens[at].text + ", " : std::string(", ")});
        if (!compound) {
            edits->push_back({tokens[at].offset, 0, call});
        }
        edits->push_back({tokens[right].offset + tokens[right].text.size(), 0, ")"});
    }
    std::string definitions;
    for (const std::string& shape : shapes) {
        definitions += HelperDefinition(shape);
    }
    if (!definitions.empty()) {
        edits->push_back({0, 0, definitions + "#line 1\n"});
    }
}

} // namespace d3dcompiler_standin
