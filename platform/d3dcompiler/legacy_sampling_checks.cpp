#include "legacy_sampling_checks.h"

#include "legacy_sampling.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The arguments between the '(' at `open` and its ')' at `close`.
size_t ArgumentCount(const Tokens& tokens, size_t open, size_t close) {
    if (close == open + 1) {
        return 0;
    }
    size_t count = 1;
    for (size_t at = open + 1; at < close; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = ClosingBracket(tokens, at);
        } else if (text == ",") {
            ++count;
        }
    }
    return count;
}

bool IsTextureObjectType(const std::string& type) {
    return type.compare(0, 7, "Texture") == 0 || type.compare(0, 9, "RWTexture") == 0;
}

// Whether `name` is first declared as a texture object ("Texture2D name",
// "Texture2D<float4> name").
bool NamesTextureObject(const Tokens& tokens, const std::string& name) {
    for (size_t at = 1; at < tokens.size(); ++at) {
        if (tokens[at].text != name || tokens[at].kind != HlslToken::Kind::Identifier) {
            continue;
        }
        size_t type = at - 1;
        if (tokens[type].text == ">") {
            while (type > 0 && tokens[type].text != "<") {
                --type;
            }
            type = type > 0 ? type - 1 : type;
        }
        return IsTextureObjectType(tokens[type].text);
    }
    return false;
}

// Whether the source defines a function of that name ("float4 tex2D("),
// which its calls then mean.
bool DefinedBySource(const Tokens& tokens, const std::string& name) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text == name && tokens[at + 1].text == "(" && IsIdentifier(tokens, at - 1) &&
            tokens[at - 1].text != "return") {
            return true;
        }
    }
    return false;
}

} // namespace

void CheckLegacySamplingCalls(const Tokens& tokens, std::string* errors) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const std::string& name = tokens[at].text;
        std::string dimension;
        std::string form;
        if (name.size() < 5 || name[0] != 't' || name[1] != 'e' || tokens[at + 1].text != "(" ||
            !ReadLegacyIntrinsic(name, &dimension, &form)) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close >= tokens.size()) {
            continue;
        }
        const size_t count = ArgumentCount(tokens, at + 1, close);
        const bool counted = form == "grad" ? count == 4
                             : form.empty() ? count == 2 || count == 4
                                            : count == 2;
        const bool object = count > 0 && IsIdentifier(tokens, at + 2) &&
                            (IsToken(tokens, at + 3, ",") || IsToken(tokens, at + 3, ")")) &&
                            NamesTextureObject(tokens, tokens[at + 2].text);
        if ((!counted || object) && !DefinedBySource(tokens, name)) {
            *errors += SourceError(tokens[at],
                                   "'" + name + "': no matching " + std::to_string(count) +
                                       " parameter intrinsic function",
                                   "X3013") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
