#include "multisample_reads.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

// The names declared "Texture2DMS<...> name" or "Texture2DMSArray<...> name".
std::set<std::string> MultisampledTextures(const std::vector<HlslToken>& tokens) {
    std::set<std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "Texture2DMS" && tokens[at].text != "Texture2DMSArray") {
            continue;
        }
        size_t name = at + 1;
        if (tokens[name].text == "<") {
            name = ClosingBracket(tokens, name) + 1;
        }
        if (IsIdentifier(tokens, name)) {
            names.insert(tokens[name].text);
        }
    }
    return names;
}

std::string Between(const std::string& source, const std::vector<HlslToken>& tokens, size_t open,
                    size_t close) {
    const size_t from = tokens[open].offset + 1;
    return source.substr(from, tokens[close].offset - from);
}

} // namespace

void RewriteSampleOperators(const std::string& source, const std::vector<HlslToken>& tokens,
                            std::vector<TextEdit>* edits) {
    std::set<std::string> textures;
    bool read = false;
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != "." || tokens[at + 1].text != "sample" ||
            tokens[at + 2].text != "[" || !IsIdentifier(tokens, at - 1)) {
            continue;
        }
        if (!read) {
            textures = MultisampledTextures(tokens);
            read = true;
        }
        const size_t index = at + 2;
        const size_t indexEnd = ClosingBracket(tokens, index);
        const size_t location = indexEnd + 1;
        if (!textures.count(tokens[at - 1].text) || indexEnd >= tokens.size() ||
            !IsToken(tokens, location, "[")) {
            continue;
        }
        const size_t locationEnd = ClosingBracket(tokens, location);
        if (locationEnd >= tokens.size()) {
            continue;
        }
        const size_t from = tokens[at].offset;
        edits->push_back({from, tokens[locationEnd].offset + 1 - from,
                          ".Load(" + Between(source, tokens, location, locationEnd) + ", " +
                              Between(source, tokens, index, indexEnd) + ")"});
        at = locationEnd;
    }
}

} // namespace d3dcompiler_standin
