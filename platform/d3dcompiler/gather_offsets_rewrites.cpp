#include "gather_offsets_rewrites.h"
#include "object_method_calls.h"

namespace d3dcompiler_standin {
namespace {

bool IsGatherCompare(const std::string& method) {
    return method.rfind("GatherCmp", 0) == 0;
}

// The arguments before the offsets: the sampler and location, and a
// comparison's reference value.
size_t ArgumentsBeforeOffsets(const std::string& method) {
    return IsGatherCompare(method) ? 3 : 2;
}

bool IsFourOffsetGather(const std::string& method, size_t count) {
    if (method.rfind("Gather", 0) != 0) {
        return false;
    }
    const size_t offsetsEnd = ArgumentsBeforeOffsets(method) + 4;
    return count == offsetsEnd || count == offsetsEnd + 1;
}

const char* const kPickComponents[] = {
    "float4 standin_gather_offsets(float4 a, float4 b, float4 c, float4 d) "
    "{ return float4(a.x, b.y, c.z, d.w); }\n",
    "int4 standin_gather_offsets(int4 a, int4 b, int4 c, int4 d) "
    "{ return int4(a.x, b.y, c.z, d.w); }\n",
    "uint4 standin_gather_offsets(uint4 a, uint4 b, uint4 c, uint4 d) "
    "{ return uint4(a.x, b.y, c.z, d.w); }\n",
};

} // namespace

void SplitFourOffsetGathers(const std::string& source, const std::vector<HlslToken>& tokens,
                            std::vector<TextEdit>* edits) {
    if (source.find("Gather") == std::string::npos) {
        return;
    }
    bool split = false;
    ObjectMethodCalls(tokens).ForEach(IsFourOffsetGather, [&](const ObjectMethodCall& call) {
        const std::string& kind = call.object->kind;
        if (kind != "Texture2D" && kind != "Texture2DArray") {
            return;
        }
        const std::string& method = tokens[call.method].text;
        const size_t before = ArgumentsBeforeOffsets(method);
        const auto& arguments = call.arguments;
        // "grid.GatherRed(s, uv, ": each gather's text up to its offset.
        const std::string head =
            TokenSpanText(source, tokens, call.name, call.method + 2) +
            TokenSpanText(source, tokens, arguments[0].first, arguments[before - 1].second) + ", ";
        const bool status = arguments.size() > before + 4;
        std::string opening =
            status ? ZeroStatusPrefix(TokenSpanText(source, tokens, arguments.back().first,
                                                    arguments.back().second))
                   : "";
        opening += "standin_gather_offsets(";
        edits->push_back({tokens[call.name].offset, 0, opening});
        std::string rest = ")";
        for (size_t offset = before + 1; offset < before + 4; ++offset) {
            rest +=
                ", " + head +
                TokenSpanText(source, tokens, arguments[offset].first, arguments[offset].second) +
                ")";
        }
        rest += status ? "))" : ")";
        const size_t from = tokens[arguments[before].second].offset;
        edits->push_back({from, tokens[call.close].offset + 1 - from, rest});
        split = true;
    });
    if (split) {
        DefineHelpersFirst({std::begin(kPickComponents), std::end(kPickComponents)}, edits);
    }
}

} // namespace d3dcompiler_standin
