#include "class_rewrites.h"

#include "class_members.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Brace depth before each token.
std::vector<int> BraceDepths(const Tokens& tokens) {
    std::vector<int> depths(tokens.size());
    int depth = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        depths[at] = depth;
        depth += tokens[at].text == "{";
        depth -= tokens[at].text == "}" && depth > 0;
    }
    return depths;
}

// "interface Name { ... };": the whole declaration in spaces.
void BlankInterface(const std::string& source, const Tokens& tokens, size_t at,
                    std::vector<TextEdit>* edits) {
    if (!IsToken(tokens, at + 2, "{")) {
        return;
    }
    size_t last = ClosingBracket(tokens, at + 2);
    if (last >= tokens.size()) {
        return;
    }
    last += IsToken(tokens, last + 1, ";");
    const size_t begin = tokens[at].offset;
    const size_t end = tokens[last].offset + tokens[last].text.size();
    std::string text = source.substr(begin, end - begin);
    for (char& c : text) {
        c = (c == '\n' || c == '\r') ? c : ' ';
    }
    edits->push_back({begin, end - begin, text});
}

// "class Name [: Interface] {": "struct Name {".
void ClassAsStruct(const Tokens& tokens, size_t at, std::vector<TextEdit>* edits) {
    size_t open = at + 2;
    if (IsToken(tokens, open, ":")) {
        while (IsIdentifier(tokens, open + 1) &&
               (IsToken(tokens, open, ":") || IsToken(tokens, open, ","))) {
            open += 2; // the class and interfaces it derives from
        }
    }
    if (!IsToken(tokens, open, "{")) {
        return;
    }
    edits->push_back({tokens[at].offset, tokens[at].text.size(), "struct"});
    if (open != at + 2) {
        const size_t from = tokens[at + 2].offset;
        edits->push_back({from, tokens[open - 1].offset + tokens[open - 1].text.size() - from, ""});
    }
}

} // namespace

void RewriteClasses(const std::string& source, const Tokens& tokens, bool structureMembers,
                    std::vector<TextEdit>* edits) {
    std::vector<int> depths;
    bool anyClass = false;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::string& word = tokens[at].text;
        if ((word != "interface" && word != "class") || !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        if (depths.empty()) {
            depths = BraceDepths(tokens);
        }
        if (depths[at] != 0) {
            continue; // only global declarations
        }
        if (word == "interface") {
            BlankInterface(source, tokens, at, edits);
        } else {
            ClassAsStruct(tokens, at, edits);
            anyClass = true;
        }
    }
    if (anyClass || structureMembers) {
        if (depths.empty()) {
            depths = BraceDepths(tokens);
        }
        RewriteClassMembers(source, tokens, depths, edits);
    }
}

} // namespace d3dcompiler_standin
