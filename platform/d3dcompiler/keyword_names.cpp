#include "keyword_names.h"

#include <algorithm>

namespace d3dcompiler_standin {

namespace {

bool IsContextualKeyword(const std::string& text) {
    // Most names fail the first letter.
    const char first = text.empty() ? '\0' : text.front();
    if (first != 'p' && first != 'g' && first != 'l' && first != 't') {
        return false;
    }
    static const char* const kWords[] = {"precise",  "globallycoherent", "line",       "point",
                                         "triangle", "lineadj",          "triangleadj"};
    for (const char* word : kWords) {
        if (text == word) {
            return true;
        }
    }
    return false;
}

// Whether the word at `at` stands where a name does: no type or name after
// it, and no '#' before it (a directive's name, "#line 100").
bool StandsAsName(const std::vector<HlslToken>& tokens, size_t at) {
    return IsContextualKeyword(tokens[at].text) && IsIdentifier(tokens, at) &&
           !IsIdentifier(tokens, at + 1) && !(at > 0 && tokens[at - 1].text == "#");
}

} // namespace

void RenameKeywordsUsedAsNames(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (!StandsAsName(tokens, at)) {
            continue;
        }
        // Not inside what an earlier rewrite replaces (an effect's state block,
        // "Filter = point;").
        const size_t offset = tokens[at].offset;
        const bool replaced = std::any_of(edits->begin(), edits->end(), [&](const TextEdit& edit) {
            return edit.offset <= offset && offset < edit.offset + edit.length;
        });
        if (!replaced) {
            edits->push_back({offset, tokens[at].text.size(), tokens[at].text + "_name_"});
        }
    }
}

} // namespace d3dcompiler_standin
