#include "patch_lengths.h"

namespace d3dcompiler_standin {
namespace {

// The index past the parameter list holding `at`, at depth 0, or tokens.size().
size_t ParameterListEnd(const std::vector<HlslToken>& tokens, size_t at) {
    int depth = 0;
    for (; at < tokens.size(); ++at) {
        depth += IsChar(tokens[at], '(') - IsChar(tokens[at], ')');
        if (depth < 0) {
            return at + 1;
        }
    }
    return tokens.size();
}

// The patch parameter "InputPatch<type, count> name" at `at`: its count's
// tokens [countBegin, countEnd) and name.
bool ReadPatchParameter(const std::vector<HlslToken>& tokens, size_t at, size_t* countBegin,
                        size_t* countEnd, size_t* name) {
    if ((tokens[at].text != "InputPatch" && tokens[at].text != "OutputPatch") ||
        !IsToken(tokens, at + 1, "<")) {
        return false;
    }
    const size_t close = ClosingBracket(tokens, at + 1);
    size_t comma = at + 2;
    while (comma < close && !IsChar(tokens[comma], ',')) {
        comma = IsChar(tokens[comma], '<') ? ClosingBracket(tokens, comma) : comma + 1;
    }
    *countBegin = comma + 1;
    *countEnd = close;
    *name = close + 1;
    return comma < close && IsIdentifier(tokens, *name);
}

} // namespace

void RewritePatchLengths(const std::string& source, const std::vector<HlslToken>& tokens,
                         std::vector<TextEdit>* edits) {
    if (source.find("Length") == std::string::npos) {
        return;
    }
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        size_t countBegin = 0, countEnd = 0, name = 0;
        if (!ReadPatchParameter(tokens, at, &countBegin, &countEnd, &name)) {
            continue;
        }
        size_t open = ParameterListEnd(tokens, name);
        while (open < tokens.size() && !IsChar(tokens[open], '{') && !IsChar(tokens[open], ';')) {
            ++open;
        }
        if (open == tokens.size() || !IsChar(tokens[open], '{')) {
            continue; // a declaration without a body
        }
        const std::string count = "uint(" + TokensOnOneLine(tokens, countBegin, countEnd) + ")";
        const size_t close = ClosingBracket(tokens, open);
        for (size_t use = open + 1; use + 2 < close; ++use) {
            if (tokens[use].text == tokens[name].text && IsChar(tokens[use + 1], '.') &&
                tokens[use + 2].text == "Length" && (use == 0 || !IsChar(tokens[use - 1], '.'))) {
                const size_t length = tokens[use + 2].offset + 6 - tokens[use].offset;
                edits->push_back({tokens[use].offset, length, count});
            }
        }
    }
}

} // namespace d3dcompiler_standin
