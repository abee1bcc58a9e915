#include "swizzle_write_checks.h"

#include <cstring>

namespace d3dcompiler_standin {
namespace {

// Whether `text` is a swizzle of two to four components from one name set
// that names a component more than once.
bool RepeatsComponent(const std::string& text) {
    if (text.size() < 2 || text.size() > 4) {
        return false;
    }
    const char* const sets[] = {"xyzw", "rgba"};
    for (const char* set : sets) {
        bool seen[4] = {};
        bool repeated = false;
        size_t at = 0;
        for (; at < text.size(); ++at) {
            const char* found = std::strchr(set, text[at]);
            if (found == nullptr || text[at] == '\0') {
                break;
            }
            repeated = repeated || seen[found - set];
            seen[found - set] = true;
        }
        if (at == text.size()) {
            return repeated;
        }
    }
    return false;
}

// Whether tokens[at] starts an assignment: "=" (not "=="), or an operator
// and "=" ("+=", "<<=").
bool StartsAssignment(const std::vector<HlslToken>& tokens, size_t at) {
    if (IsToken(tokens, at, "=")) {
        return !IsToken(tokens, at + 1, "=");
    }
    static const char* const kCompound[] = {"+", "-", "*", "/", "%", "&", "|", "^"};
    for (const char* op : kCompound) {
        if (IsToken(tokens, at, op) && IsToken(tokens, at + 1, "=")) {
            return true;
        }
    }
    const bool shift = (IsToken(tokens, at, "<") && IsToken(tokens, at + 1, "<")) ||
                       (IsToken(tokens, at, ">") && IsToken(tokens, at + 1, ">"));
    return shift && IsToken(tokens, at + 2, "=");
}

// Whether the source declares something named `name` ("float xx;"), such as
// a structure's member, which `.name` may then read.
bool DeclaresName(const std::vector<HlslToken>& tokens, const std::string& name) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text == name && IsIdentifier(tokens, at - 1) &&
            tokens[at - 1].text != "return") {
            return true;
        }
    }
    return false;
}

} // namespace

void CheckRepeatedSwizzleWrites(const std::vector<HlslToken>& tokens, std::string* errors) {
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != "." || !IsIdentifier(tokens, at + 1) ||
            !RepeatsComponent(tokens[at + 1].text) || !StartsAssignment(tokens, at + 2) ||
            DeclaresName(tokens, tokens[at + 1].text)) {
            continue;
        }
        *errors += SourceError(tokens[at + 1], "the swizzle '" + tokens[at + 1].text +
                                                   "' names a component twice and cannot be "
                                                   "written") +
                   "\n";
    }
}

} // namespace d3dcompiler_standin
