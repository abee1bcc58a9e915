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

// The helper that picks component i of gather i; the original call's last
// offsets (and status) follow as arguments it does not read.
std::set<std::string> PickComponentHelpers() {
    std::set<std::string> helpers;
    for (const std::string type : {"float4", "int4", "uint4"}) {
        const std::string head = type + " standin_gather_offsets(" + type + " a, " + type + " b, " +
                                 type + " c, " + type + " d, int2 o2, int2 o3, int2 o4";
        const std::string body = "return " + type + "(a.x, b.y, c.z, d.w); }\n";
        helpers.insert(head + ") { " + body);
        helpers.insert(head + ", out uint status) { status = 0u; " + body);
    }
    return helpers;
}

class GatherOffsetEdits {
public:
    GatherOffsetEdits(const std::string& source, const Tokens& tokens, std::vector<TextEdit>* edits)
        : source_(source), tokens_(tokens), edits_(edits) {}

    void Rewrite(const ObjectMethodCall& call) {
        const std::string& method = tokens_[call.method].text;
        // Split first: an insertion made later at the same place goes in front,
        // and the first offset's ")" must precede the copies.
        if (OffsetCount(method, call.arguments.size()) == 4) {
            Split(call, method);
        }
        const Span first = call.arguments[ArgumentsBeforeOffsets(method)];
        if (!IsLiteral(tokens_, first)) {
            edits_->push_back({tokens_[first.first].offset, 0, "standin_gather_offset("});
            edits_->push_back({tokens_[first.second].offset, 0, ")"});
            wrapped_ = true;
        }
    }

    void DefineHelpers() const {
        std::set<std::string> helpers;
        if (wrapped_) {
            helpers.insert(kWrapOffset);
        }
        if (split_) {
            const std::set<std::string> picks = PickComponentHelpers();
            helpers.insert(picks.begin(), picks.end());
        }
        if (!helpers.empty()) {
            DefineHelpersFirst(helpers, edits_);
        }
    }

private:
    // "t.GatherRed(s, uv, o1, o2, o3, o4)" as "standin_gather_offsets(
    // t.GatherRed(s, uv, o1), t.GatherRed(s, uv, o2), ..., o2, o3, o4)": only
    // insertions, so the call's own text keeps any other rewrite made in it.
    void Split(const ObjectMethodCall& call, const std::string& method) {
        const size_t before = ArgumentsBeforeOffsets(method);
        const auto& arguments = call.arguments;
        const std::string head =
            TokenSpanText(source_, tokens_, call.name, call.method + 2) +
            TokenSpanText(source_, tokens_, arguments[0].first, arguments[before - 1].second) +
            ", ";
        edits_->push_back({tokens_[call.name].offset, 0, "standin_gather_offsets("});
        std::string copies = ")";
        for (size_t offset = before + 1; offset < before + 4; ++offset) {
            wrapped_ = wrapped_ || !IsLiteral(tokens_, arguments[offset]);
            copies += ", " + head + OffsetText(source_, tokens_, arguments[offset]) + ")";
        }
        edits_->push_back({tokens_[arguments[before].second].offset, 0, copies});
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
