#include "attribute_rewrites.h"

#include <cctype>
#include <cstring>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

// The attributes glslang's HLSL front end reads, lowercased.
bool IsKnownAttribute(const std::string& lower) {
    static const char* const kNames[] = {"numthreads",
                                         "maxvertexcount",
                                         "instance",
                                         "domain",
                                         "partitioning",
                                         "outputtopology",
                                         "outputcontrolpoints",
                                         "patchconstantfunc",
                                         "maxtessfactor",
                                         "earlydepthstencil",
                                         "unroll",
                                         "loop",
                                         "fastopt",
                                         "allow_uav_condition",
                                         "branch",
                                         "flatten",
                                         "forcecase",
                                         "call",
                                         nullptr};
    for (const char* const* name = kNames; *name != nullptr; ++name) {
        if (lower == *name) {
            return true;
        }
    }
    return false;
}

bool HasCapital(const std::string& text) {
    for (char c : text) {
        if (std::isupper(uint8_t(c))) {
            return true;
        }
    }
    return false;
}

} // namespace

void LowercaseAttributeNames(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const HlslToken& name = tokens[at];
        if (tokens[at - 1].text != "[" || name.kind != HlslToken::Kind::Identifier ||
            !HasCapital(name.text)) {
            continue;
        }
        std::string lower = name.text;
        for (char& c : lower) {
            c = char(std::tolower(uint8_t(c)));
        }
        const bool withArguments = tokens[at + 1].text == "(";
        if (IsKnownAttribute(lower) && (withArguments || lower != "numthreads")) {
            edits->push_back({name.offset, name.text.size(), lower});
        }
    }
}

void RewritePow2Partitioning(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 2; at + 1 < tokens.size(); ++at) {
        if (tokens[at].kind == HlslToken::Kind::String && tokens[at].text == "\"pow2\"" &&
            tokens[at - 1].text == "(" &&
            strcasecmp(tokens[at - 2].text.c_str(), "partitioning") == 0) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "\"integer\""});
        }
    }
}

} // namespace d3dcompiler_standin
