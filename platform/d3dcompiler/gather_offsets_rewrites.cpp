#include "gather_offsets_rewrites.h"
#include "object_method_calls.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
using Span = std::pair<size_t, size_t>;

// The arguments before the offsets: the sampler and location, and a
// comparison's reference value.
size_t ArgumentsBeforeOffsets(const std::string& method) {
    return method.rfind("GatherCmp", 0) == 0 ? 3 : 2;
}

// How many offsets a Gather call passes: 0, 1 or 4 (with or without a status).
size_t OffsetCount(const std::string& method, size_t count) {
    const size_t before = ArgumentsBeforeOffsets(method);
    if (count == before + 4 || count == before + 5) {
        return 4;
    }
    return count == before + 1 || count == before + 2 ? 1 : 0;
}

bool HasOffsets(const std::string& method, size_t count) {
    return method.rfind("Gather", 0) == 0 && OffsetCount(method, count) != 0;
}

// Whether an offset is written in literals ("int2(1, -2)"), which stay
// constant offsets.
bool IsLiteral(const Tokens& tokens, Span argument) {
    for (size_t at = argument.first; at < argument.second; ++at) {
        const HlslToken& token = tokens[at];
        const bool literal = token.kind == HlslToken::Kind::Number ||
                             (token.kind == HlslToken::Kind::Identifier &&
                              (token.text == "int2" || token.text == "uint2")) ||
                             token.text == "(" || token.text == ")" || token.text == "," ||
                             token.text == "-" || token.text == "+";
        if (!literal) {
            return false;
        }
    }
    return true;
}

std::string OffsetText(const std::string& source, const Tokens& tokens, Span argument) {
    const std::string text = TokenSpanText(source, tokens, argument.first, argument.second);
    return IsLiteral(tokens, argument) ? text : "standin_gather_offset(" + text + ")";
}

const char kWrapOffset[] =
    "int2 standin_gather_offset(int2 offset) { return (offset << 26) >> 26; }\n";

const char* const kPickComponents[] = {
    "float4 standin_gather_offsets(float4 a, float4 b, float4 c, float4 d) "
    "{ return float4(a.x, b.y, c.z, d.w); }\n",
    "int4 standin_gather_offsets(int4 a, int4 b, int4 c, int4 d) "
    "{ return int4(a.x, b.y, c.z, d.w); }\n",
    "uint4 standin_gather_offsets(uint4 a, uint4 b, uint4 c, uint4 d) "
    "{ return uint4(a.x, b.y, c.z, d.w); }\n",
};

class GatherOffsetEdits {
public:
    GatherOffsetEdits(const std::string& source, const Tokens& tokens, std::vector<TextEdit>* edits)
        : source_(source), tokens_(tokens), edits_(edits) {}

    void Rewrite(const ObjectMethodCall& call) {
        const std::string& method = tokens_[call.method].text;
        const Span first = call.arguments[ArgumentsBeforeOffsets(method)];
        if (!IsLiteral(tokens_, first)) {
            edits_->push_back({tokens_[first.first].offset, 0, "standin_gather_offset("});
            edits_->push_back({tokens_[first.second].offset, 0, ")"});
            wrapped_ = true;
        }
        if (OffsetCount(method, call.arguments.size()) == 4) {
            Split(call, method);
        }
    }

    void DefineHelpers() const {
        std::set<std::string> helpers;
        if (wrapped_) {
            helpers.insert(kWrapOffset);
        }
        if (split_) {
            helpers.insert(std::begin(kPickComponents), std::end(kPickComponents));
        }
        if (!helpers.empty()) {
            DefineHelpersFirst(helpers, edits_);
        }
    }

private:
    // "t.GatherRed(s, uv, o1, o2, o3, o4)" as
    // "standin_gather_offsets(t.GatherRed(s, uv, o1), ..., t.GatherRed(s, uv, o4))".
    void Split(const ObjectMethodCall& call, const std::string& method) {
        const size_t before = ArgumentsBeforeOffsets(method);
        const auto& arguments = call.arguments;
        const std::string head =
            TokenSpanText(source_, tokens_, call.name, call.method + 2) +
            TokenSpanText(source_, tokens_, arguments[0].first, arguments[before - 1].second) +
            ", ";
        const bool status = arguments.size() > before + 4;
        std::string opening =
            status ? ZeroStatusPrefix(TokenSpanText(source_, tokens_, arguments.back().first,
                                                    arguments.back().second))
                   : "";
        opening += "standin_gather_offsets(";
        edits_->push_back({tokens_[call.name].offset, 0, opening});
        std::string rest = ")";
        for (size_t offset = before + 1; offset < before + 4; ++offset) {
            wrapped_ = wrapped_ || !IsLiteral(tokens_, arguments[offset]);
            rest += ", " + head + OffsetText(source_, tokens_, arguments[offset]) + ")";
        }
        rest += status ? "))" : ")";
        const size_t from = tokens_[arguments[before].second].offset;
        edits_->push_back({from, tokens_[call.close].offset + 1 - from, rest});
        split_ = true;
    }

    const std::string& source_;
    const Tokens& tokens_;
    std::vector<TextEdit>* edits_;
    bool wrapped_ = false;
    bool split_ = false;
};

} // namespace

void RewriteGatherOffsets(const std::string& source, const Tokens& tokens,
                          std::vector<TextEdit>* edits) {
    if (source.find("Gather") == std::string::npos) {
        return;
    }
    GatherOffsetEdits rewrite(source, tokens, edits);
    ObjectMethodCalls(tokens).ForEach(HasOffsets, [&](const ObjectMethodCall& call) {
        const std::string& kind = call.object->kind;
        if (kind == "Texture2D" || kind == "Texture2DArray") {
            rewrite.Rewrite(call);
        }
    });
    rewrite.DefineHelpers();
}

} // namespace d3dcompiler_standin
