#include "ten_bit_float_signatures.h"
#include "declarators.h"
#include "numeric_type_names.h"

#include <windows.h>

#include <d3dcommon.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string>
#include <strings.h>
#include <utility>

namespace d3dcompiler_standin {
namespace {

// The elements one declaration gives: "float2 t[2] : TEXCOORD3" is TEXCOORD3
// and TEXCOORD4.
struct SemanticRange {
    std::string name;
    uint32_t first = 0;
    uint32_t count = 1;
};

SemanticRange ReadSemantic(const std::string& semantic, uint32_t count) {
    size_t digits = semantic.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(semantic[digits - 1]))) {
        --digits;
    }
    SemanticRange range;
    range.name = semantic.substr(0, digits);
    range.first =
        digits < semantic.size()
            ? uint32_t(std::min(std::strtoul(semantic.c_str() + digits, nullptr, 10), 0xFFFFFFFFul))
            : 0;
    range.count = count;
    return range;
}

// The registers a declaration of `type` named at `name` takes: one per array
// element (where the length is a literal) and per matrix row or column.
uint32_t DeclaredRegisters(const std::vector<HlslToken>& tokens, size_t name,
                           const NumericTypeName& type) {
    uint32_t elements = 1;
    if (IsToken(tokens, name + 1, "[") && name + 3 < tokens.size() &&
        tokens[name + 2].kind == HlslToken::Kind::Number && IsToken(tokens, name + 3, "]")) {
        elements = uint32_t(
            std::clamp(std::strtoul(tokens[name + 2].text.c_str(), nullptr, 0), 1ul, 4096ul));
    }
    return elements * uint32_t(std::max({type.size, type.columns, 1}));
}

// A stretch of tokens [first, last).
using TokenSpan = std::pair<size_t, size_t>;

// The body of each `struct name { ... }` by name.
std::map<std::string, TokenSpan> StructureBodies(const std::vector<HlslToken>& tokens) {
    std::map<std::string, TokenSpan> bodies;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && IsIdentifier(tokens, at + 1) &&
            IsToken(tokens, at + 2, "{")) {
            bodies.emplace(tokens[at + 1].text, TokenSpan{at + 2, ClosingBracket(tokens, at + 2)});
        }
    }
    return bodies;
}

// Where the entry point's signatures are declared: each definition's return
// type, parameters and semantic, and the bodies of the structures named
// there, and of those their members name.
std::vector<TokenSpan> EntryPointDeclarations(const std::vector<HlslToken>& tokens,
                                              const std::string& entryPoint) {
    std::vector<TokenSpan> spans;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text == entryPoint && IsToken(tokens, at + 1, "(") &&
            IsIdentifier(tokens, at - 1)) {
            size_t end = ClosingBracket(tokens, at + 1) + 1;
            while (end < tokens.size() && !IsToken(tokens, end, "{") &&
                   !IsToken(tokens, end, ";")) {
                ++end;
            }
            if (IsToken(tokens, end, "{")) {
                spans.push_back({at - 1, end});
            }
        }
    }
    std::map<std::string, TokenSpan> structures = StructureBodies(tokens);
    for (size_t span = 0; span < spans.size(); ++span) {
        for (size_t at = spans[span].first; at < spans[span].second; ++at) {
            auto structure = structures.find(tokens[at].text);
            if (structure != structures.end()) {
                spans.push_back(structure->second);
                structures.erase(structure); // each once
            }
        }
    }
    return spans;
}

std::vector<SemanticRange> TenBitFloatSemantics(const std::vector<HlslToken>& tokens,
                                                const TokenSpan& span) {
    std::vector<SemanticRange> ranges;
    for (size_t at = span.first; at + 3 < tokens.size() && at < span.second; ++at) {
        NumericTypeName type;
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            !ReadNumericTypeName(tokens[at].text, &type) || type.base != "min10float" ||
            !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        const size_t colon = AfterDeclarator(tokens, at + 1);
        // ": register(...)" and ": packoffset(...)" are not semantics.
        if (IsToken(tokens, colon, ":") && IsIdentifier(tokens, colon + 1) &&
            !IsToken(tokens, colon + 2, "(")) {
            ranges.push_back(
                ReadSemantic(tokens[colon + 1].text, DeclaredRegisters(tokens, at + 1, type)));
        }
    }
    return ranges;
}

void Mark(const std::vector<SemanticRange>& ranges, std::vector<dxbc::SignatureElement>* elements) {
    for (dxbc::SignatureElement& element : *elements) {
        if (element.minPrecision != D3D_MIN_PRECISION_FLOAT_16) {
            continue;
        }
        for (const SemanticRange& range : ranges) {
            if (strcasecmp(range.name.c_str(), element.semanticName.c_str()) == 0 &&
                element.semanticIndex >= range.first &&
                element.semanticIndex - range.first < range.count) {
                element.minPrecision = D3D_MIN_PRECISION_FLOAT_2_8;
            }
        }
    }
}

} // namespace

void MarkTenBitFloatElements(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                             StageSignatures* signatures) {
    std::vector<SemanticRange> ranges;
    for (const TokenSpan& span : EntryPointDeclarations(tokens, entryPoint)) {
        const std::vector<SemanticRange> declared = TenBitFloatSemantics(tokens, span);
        ranges.insert(ranges.end(), declared.begin(), declared.end());
    }
    Mark(ranges, &signatures->inputs);
    Mark(ranges, &signatures->outputs);
}

} // namespace d3dcompiler_standin
