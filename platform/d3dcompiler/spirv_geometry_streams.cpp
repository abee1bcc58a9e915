#include "spirv_geometry_streams.h"

#include "spirv_words.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;
using Words = std::vector<uint32_t>;

constexpr uint32_t kOpLabel = 248;
constexpr uint32_t kOpEndPrimitive = 219;
constexpr uint32_t kOpEndStreamPrimitive = 221;
constexpr uint32_t kCapabilityGeometryStreams = 54;
constexpr char kMarker[] = "BRENNWICK_STREAM";
constexpr char kStreamPrefix[] = "BRENNWICK_S";

struct StreamFacts {
    uint32_t marker = 0;
    std::map<uint32_t, std::pair<uint32_t, std::string>> outputs; // id -> stream, semantic
    std::set<uint32_t> constants;
};

void Emit(Words* out, uint32_t op, const Words& operands) {
    out->push_back(uint32_t(operands.size() + 1) << 16 | op);
    out->insert(out->end(), operands.begin(), operands.end());
}

// "BRENNWICK_S1_TEXCOORD0" -> stream 1, "TEXCOORD0".
void NoteSemantic(uint32_t id, const std::string& semantic, StreamFacts* facts) {
    if (strcasecmp(semantic.c_str(), kMarker) == 0) {
        facts->marker = id;
    } else if (strncasecmp(semantic.c_str(), kStreamPrefix, sizeof(kStreamPrefix) - 1) == 0) {
        char* end = nullptr;
        const unsigned long stream =
            std::strtoul(semantic.c_str() + sizeof(kStreamPrefix) - 1, &end, 10);
        if (end != nullptr && *end == '_' && stream < 4) {
            facts->outputs[id] = {uint32_t(stream), end + 1};
        }
    }
}

StreamFacts ReadFacts(const Words& spirv) {
    StreamFacts facts;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpDecorateString && count >= 4 && spirv[at + 2] == kDecorationUserSemantic) {
            NoteSemantic(spirv[at + 1], ReadLiteralString(spirv, at + 3, at + count), &facts);
        } else if (op == OpConstant && count == 4) {
            facts.constants.insert(spirv[at + 2]);
        }
    });
    return facts;
}

// Whether the instruction at `w` names the marker where the rewrite does not
// take it out.
bool OtherMarkerUse(const uint32_t* w, uint32_t count, uint32_t marker) {
    for (uint32_t i = 1; i < count; ++i) {
        if (w[i] == marker) {
            return true;
        }
    }
    return false;
}

// The module's declarations, with the marker gone and later streams' outputs
// redecorated; false where the marker is used otherwise.
bool RewriteDeclaration(const uint32_t* w, uint32_t count, const StreamFacts& facts, Words* out) {
    const uint32_t op = w[0] & 0xFFFF;
    const uint32_t marker = facts.marker;
    if (op == OpEntryPoint) {
        uint32_t interface = 3; // past the model, the function and the name
        while (interface < count && (w[interface] >> 24) != 0) {
            ++interface;
        }
        Words kept(w + 1, w + std::min(interface + 1, count));
        for (uint32_t i = interface + 1; i < count; ++i) {
            if (w[i] != marker) {
                kept.push_back(w[i]);
            }
        }
        Emit(out, op, kept);
    } else if ((op == OpName || op == OpDecorate || op == OpDecorateString) && w[1] == marker) {
        // dropped with the marker
    } else if (op == OpVariable && count >= 3 && w[2] == marker) {
        // dropped
    } else if (op == OpDecorateString && w[2] == kDecorationUserSemantic &&
               facts.outputs.count(w[1])) {
        const auto& [stream, semantic] = facts.outputs.at(w[1]);
        Words operands{w[1], kDecorationUserSemantic};
        const Words text = WriteLiteralString(semantic);
        operands.insert(operands.end(), text.begin(), text.end());
        Emit(out, op, operands);
        Emit(out, OpDecorate, {w[1], kDecorationStream, stream});
    } else if (OtherMarkerUse(w, count, marker) && op != OpStore) {
        return false;
    } else {
        out->insert(out->end(), w, w + count);
    }
    return true;
}

} // namespace

bool SeparateGeometryStreams(Words* spirv) {
    const StreamFacts facts = ReadFacts(*spirv);
    if (facts.marker == 0 || spirv->size() < kHeaderWords) {
        return true;
    }
    Words out(spirv->begin(), spirv->begin() + kHeaderWords);
    Emit(&out, OpCapability, {kCapabilityGeometryStreams});
    uint32_t stream = 0; // the constant the block's marker was last set to
    bool ok = true;
    ForEachInstruction(*spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &(*spirv)[at];
        if (op == kOpLabel) {
            stream = 0;
        }
        if (op == OpStore && count >= 3 && w[1] == facts.marker) {
            stream = facts.constants.count(w[2]) ? w[2] : 0;
            ok = ok && stream != 0;
        } else if (op == OpEmitVertex || op == kOpEndPrimitive) {
            ok = ok && stream != 0;
            Emit(&out, op == OpEmitVertex ? OpEmitStreamVertex : kOpEndStreamPrimitive, {stream});
        } else if (!(op == OpCapability && w[1] == kCapabilityGeometryStreams)) {
            ok = ok && RewriteDeclaration(w, count, facts, &out);
        }
    });
    if (ok) {
        *spirv = std::move(out);
    }
    return ok;
}

} // namespace d3dcompiler_standin
