#include "attribute_rewrites.h"

#include <cctype>

namespace d3dcompiler_standin {
namespace {

// The entry-point attributes glslang's HLSL front end reads, lowercased;
// those of statements change nothing it computes.
bool IsStageAttribute(const std::string& lower) {
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
                                         nullptr};
    for (const char* const* name = kNames; *name != nullptr; ++name) {
        if (lower == *name) {
            return true;
        }
    }
    return false;
}

// Whether the attributes "[a] [b(...)]" from `open` stand in front of the
// definition of `entryPoint`; `*end` is the index past them.
bool PrecedesEntryPoint(const std::vector<HlslToken>& tokens, size_t open,
                        const std::string& entryPoint, size_t* end) {
    size_t at = open;
    while (IsToken(tokens, at, "[") && IsIdentifier(tokens, at + 1)) {
        at = ClosingBracket(tokens, at) + 1;
    }
    *end = at;
    // The return type, a modifier or two, then "name (".
    for (size_t name = at; name < at + 4 && name + 1 < tokens.size(); ++name) {
        if (tokens[name].text == entryPoint && tokens[name + 1].text == "(") {
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

// Whether some '[' of `source` has a capital letter after it, spaces aside,
// other than [RootSignature], which glslang ignores in any case: the one form
// the rewrite changes.
bool HasCapitalAfterBracket(const std::string& source) {
    for (size_t at = source.find('['); at != std::string::npos; at = source.find('[', at + 1)) {
        const size_t next = source.find_first_not_of(" \t\r\n", at + 1);
        if (next != std::string::npos && std::isupper(uint8_t(source[next])) &&
            source.compare(next, 13, "RootSignature") != 0) {
            return true;
        }
    }
    return false;
}

} // namespace

void LowercaseAttributeNames(const std::string& source, const std::vector<HlslToken>& tokens,
                             const std::string& entryPoint, std::vector<TextEdit>* edits) {
    if (!HasCapitalAfterBracket(source)) {
        return;
    }
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        size_t end = at;
        if (tokens[at].text != "[" || !IsIdentifier(tokens, at + 1) ||
            !PrecedesEntryPoint(tokens, at, entryPoint, &end)) {
            continue;
        }
        for (size_t name = at + 1; name < end; name = ClosingBracket(tokens, name - 1) + 2) {
            std::string lower = tokens[name].text;
            for (char& c : lower) {
                c = char(std::tolower(uint8_t(c)));
            }
            const bool withArguments = IsToken(tokens, name + 1, "(");
            if (HasCapital(tokens[name].text) && IsStageAttribute(lower) &&
                (withArguments || lower != "numthreads")) {
                edits->push_back({tokens[name].offset, tokens[name].text.size(), lower});
            }
        }
        at = end - 1;
    }
}

} // namespace d3dcompiler_standin
