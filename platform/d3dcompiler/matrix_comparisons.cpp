#include "matrix_comparisons.h"
#include "numeric_type_names.h"

#include <map>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using namespace std::string_literals;

using Tokens = std::vector<HlslToken>;

// The comparison operator starting at `at`, as written ("<", ">=", "!="),
// and the number of tokens it takes; empty when there is none.
std::pair<std::string, size_t> ComparisonAt(const Tokens& tokens, size_t at) {
    if (at >= tokens.size()) {
        return {"", 0};
    }
    const std::string& text = tokens[at].text;
    const bool equalsNext = at + 1 < tokens.size() && tokens[at + 1].text == "=" &&
                            Adjacent(tokens[at], tokens[at + 1]);
    if (text == "<" || text == ">") {
        if (at + 1 < tokens.size() && tokens[at + 1].text == text) {
            return {"", 0}; // a shift
        }
        return {text + (equalsNext ? "=" : ""), equalsNext ? 2 : 1};
    }
    if ((text == "=" || text == "!") && equalsNext) {
        return {text + "=", 2};
    }
    return {"", 0};
}

std::string OperatorName(const std::string& comparison) {
    static const std::map<std::string, std::string> kNames = {
        {"<", "less"},           {">", "greater"}, {"<=", "less_equal"},
        {">=", "greater_equal"}, {"==", "equal"},  {"!=", "not_equal"}};
    return kNames.at(comparison);
}

// Past the right operand starting at `at`: up to what binds less tightly.
size_t RightOperandEnd(const Tokens& tokens, size_t at) {
    static const std::set<std::string> kEnds = {";", ",", ")", "]", "}", "?", ":",
                                                "&", "|", "<", ">", "=", "!", "{"};
    for (; at < tokens.size() && kEnds.count(tokens[at].text) == 0; ++at) {
        if (tokens[at].text == "(" || tokens[at].text == "[") {
            at = ClosingBracket(tokens, at);
        }
    }
    return at;
}

std::string HelperDefinition(const std::string& name, const std::string& shape,
                             const std::string& comparison) {
    // Appended piece by piece: GCC 12 warns (-Wrestrict, wrongly) on a
    // literal added to a temporary string.
    const std::string type = "float" + shape;
    std::string rows;
    for (int r = 0; r < shape[0] - '0'; ++r) {
        const std::string index = std::to_string(r);
        for (const std::string& piece :
             {r > 0 ? ", a["s : "a["s, index, "] "s, comparison, " b["s, index, "]"s}) {
            rows += piece;
        }
    }
    std::string definition = "#ifndef ";
    for (const std::string& piece :
         {name, "_defined\n#define "s, name, "_defined\n"s, type, " "s, name, "("s, type, " a, "s,
          type, " b) { return "s, type, "("s, rows, "); }\n#endif\n"s}) {
        definition += piece;
    }
    return definition;
}

} // namespace

std::map<std::string, std::string> MatrixNames(const Tokens& tokens) {
    std::map<std::string, std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        NumericTypeName type;
        if (ReadNumericTypeName(tokens[at].text, &type) && type.columns > 0 &&
            IsIdentifier(tokens, at + 1) && !IsToken(tokens, at + 2, "(")) {
            names[tokens[at + 1].text] =
                std::to_string(type.size) + "x" + std::to_string(type.columns);
        }
    }
    return names;
}

void RewriteMatrixComparisons(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    std::map<std::string, std::string> matrices;
    bool scanned = false;
    std::set<std::string> helpers;
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        const auto [comparison, length] = ComparisonAt(tokens, at + 1);
        // The matrix begins an operand: not a declaration's name (whose
        // annotation may follow) nor a member.
        static const std::set<std::string> kOperandStarts = {"=", "(", ",", "return", "?",
                                                             ":", "&", "|", "!"};
        if (length == 0 || !IsIdentifier(tokens, at) ||
            kOperandStarts.count(tokens[at - 1].text) == 0) {
            continue;
        }
        if (!scanned) {
            matrices = MatrixNames(tokens);
            scanned = true;
        }
        auto matrix = matrices.find(tokens[at].text);
        const size_t end = RightOperandEnd(tokens, at + 1 + length);
        if (matrix == matrices.end() || end == at + 1 + length || end >= tokens.size()) {
            continue;
        }
        const std::string name = "standin_" + OperatorName(comparison) + "_" + matrix->second;
        helpers.insert(HelperDefinition(name, matrix->second, comparison));
        edits->push_back({tokens[at].offset, 0, name + "("});
        const size_t opEnd = tokens[at + length].offset + tokens[at + length].text.size();
        edits->push_back({tokens[at + 1].offset, opEnd - tokens[at + 1].offset, ","});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
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
