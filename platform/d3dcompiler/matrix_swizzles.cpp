#include "matrix_swizzles.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The components of a matrix swizzle ("_m00", "_12"), empty for other names.
std::vector<std::string> MatrixComponents(const std::string& swizzle) {
    std::vector<std::string> components;
    for (size_t at = 0; at < swizzle.size();) {
        const bool zeroBased = at + 1 < swizzle.size() && swizzle[at + 1] == 'm';
        const size_t digits = at + (zeroBased ? 2 : 1);
        const char low = zeroBased ? '0' : '1';
        const char high = zeroBased ? '3' : '4';
        if (swizzle[at] != '_' || digits + 2 > swizzle.size() || swizzle[digits] < low ||
            swizzle[digits] > high || swizzle[digits + 1] < low || swizzle[digits + 1] > high) {
            return {};
        }
        components.push_back(swizzle.substr(at, digits + 2 - at));
        at = digits + 2;
    }
    return components;
}

// Whether the token at `at` starts an assignment, which a constructor
// cannot take.
bool Assigned(const Tokens& tokens, size_t at) {
    static const std::set<std::string> kCompound = {"+", "-", "*", "/", "%", "&", "|", "^"};
    if (at >= tokens.size()) {
        return false;
    }
    if (tokens[at].text == "=") {
        return !IsToken(tokens, at + 1, "=");
    }
    return kCompound.count(tokens[at].text) != 0 && IsToken(tokens, at + 1, "=") &&
           Adjacent(tokens[at], tokens[at + 1]);
}

} // namespace

void RewriteMatrixSwizzles(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (!IsIdentifier(tokens, at) || tokens[at + 1].text != "." ||
            !IsIdentifier(tokens, at + 2) || (at > 0 && tokens[at - 1].text == ".")) {
            continue;
        }
        const std::vector<std::string> components = MatrixComponents(tokens[at + 2].text);
        if (components.size() < 2 || components.size() > 4 || Assigned(tokens, at + 3)) {
            continue;
        }
        std::string vector = "float";
        vector += std::to_string(components.size());
        vector += "(";
        for (size_t i = 0; i < components.size(); ++i) {
            vector += i > 0 ? ", " : "";
            vector += tokens[at].text;
            vector += ".";
            vector += components[i];
        }
        vector += ")";
        const size_t end = tokens[at + 2].offset + tokens[at + 2].text.size();
        edits->push_back({tokens[at].offset, end - tokens[at].offset, vector});
    }
}

} // namespace d3dcompiler_standin
