#include "matrix_swizzles.h"
#include "numeric_type_names.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The element names of a matrix swizzle, "_m00_m11" or "_11_22": each
// "_m" and two digits from 0, or "_" and two digits from 1.
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

// Names declared with a matrix type ("float4x4 world", "row_major int2x2 m"),
// with its scalar base; a name declared with two bases is left out.
std::map<std::string, std::string> MatrixNames(const Tokens& tokens) {
    std::map<std::string, std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        NumericTypeName type;
        if (!ReadNumericTypeName(tokens[at].text, &type) || type.columns == 0 ||
            !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        auto [found, inserted] = names.insert({tokens[at + 1].text, std::string(type.base)});
        if (!inserted && found->second != type.base) {
            found->second.clear();
        }
    }
    return names;
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

} // namespace

void RewriteMatrixSwizzles(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::map<std::string, std::string> matrices;
    bool read = false;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "." || tokens[at + 1].text.size() < 6 ||
            tokens[at + 1].text[0] != '_' || !IsIdentifier(tokens, at - 1)) {
            continue;
        }
        const std::vector<std::string> elements = MatrixSwizzleElements(tokens[at + 1].text);
        if (elements.size() < 2 || elements.size() > 4 || IsWritten(tokens, at + 1) ||
            (at >= 2 && tokens[at - 2].text == ".")) {
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
        std::string vector = found->second + std::to_string(elements.size()) + "(";
        for (size_t i = 0; i < elements.size(); ++i) {
            vector += (i > 0 ? ", " : "") + name.text + "." + elements[i];
        }
        const HlslToken& swizzle = tokens[at + 1];
        edits->push_back(
            {name.offset, swizzle.offset + swizzle.text.size() - name.offset, vector + ")"});
    }
}

} // namespace d3dcompiler_standin
