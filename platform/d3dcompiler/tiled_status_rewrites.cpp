#include "tiled_status_rewrites.h"
#include "object_method_calls.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The argument counts of a cube texture's overloads that end in a status;
// they take no offset (texturecube-gather: Gather(S, Location, Status)).
bool CubeEndsInStatus(const std::string& method, size_t count) {
    if (method == "SampleLevel" || method == "SampleCmpLevelZero") {
        return count == 4;
    }
    if (method.rfind("GatherCmp", 0) == 0) {
        return count == 4;
    }
    return method.rfind("Gather", 0) == 0 && count == 3;
}

// The argument counts of `method`'s overloads that end in a status, on an
// object of `kind` (the texture-object pages' overload lists: Load(Location,
// Offset, Status), Gather(S, Location, Offset, Status), GatherRed with one
// offset, ...).
bool EndsInStatus(const std::string& kind, const std::string& method, size_t count) {
    if (kind.rfind("TextureCube", 0) == 0) {
        return CubeEndsInStatus(method, count);
    }
    if (kind.rfind("Sampler", 0) == 0 || kind.rfind("sampler", 0) == 0) {
        return false;
    }
    if (method == "Load") {
        if (kind.rfind("Texture2DMS", 0) == 0) {
            return count == 4;
        }
        return count == (kind.rfind("Texture", 0) == 0 ? 3 : 2);
    }
    if (method == "Load2" || method == "Load3" || method == "Load4") {
        return count == 2;
    }
    if (method == "SampleLevel" || method == "SampleCmpLevelZero") {
        return count == 5;
    }
    if (method == "Gather") {
        return count == 4;
    }
    if (method == "GatherCmp") {
        return count == 5;
    }
    // The four-offset overloads' statuses are set where those calls are split
    // (gather_offsets_rewrites.h).
    if (method.rfind("GatherCmp", 0) == 0) {
        return count == 5;
    }
    return method.rfind("Gather", 0) == 0 && count == 4;
}

bool MayReadStatus(const std::string& method, size_t count) {
    return count >= 2 && (method.rfind("Load", 0) == 0 || method.rfind("Gather", 0) == 0 ||
                          method.rfind("Sample", 0) == 0);
}

void DropStatuses(const std::string& source, const Tokens& tokens, std::vector<TextEdit>* edits) {
    ObjectMethodCalls(tokens).ForEach(MayReadStatus, [&](const ObjectMethodCall& call) {
        if (!EndsInStatus(call.object->kind, tokens[call.method].text, call.arguments.size())) {
            return;
        }
        const auto status = call.arguments.back();
        const size_t comma = status.first - 1;
        const size_t close = status.second;
        edits->push_back(
            {tokens[call.name].offset, 0,
             ZeroStatusPrefix(TokenSpanText(source, tokens, status.first, status.second))});
        edits->push_back({tokens[comma].offset, tokens[close].offset - tokens[comma].offset, ""});
        edits->push_back({tokens[close].offset + 1, 0, ")"});
    });
}

} // namespace

void RewriteTiledStatusReads(const std::string& source, const Tokens& tokens,
                             std::vector<TextEdit>* edits) {
    if (source.find("Load") != std::string::npos || source.find("Gather") != std::string::npos ||
        source.find("Sample") != std::string::npos) {
        DropStatuses(source, tokens, edits);
    }
    if (source.find("CheckAccessFullyMapped") == std::string::npos) {
        return;
    }
    bool called = false;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text == "CheckAccessFullyMapped" && IsChar(tokens[at + 1], '(')) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "standin_fully_mapped"});
            called = true;
        }
    }
    if (called) {
        DefineHelpersFirst({"bool standin_fully_mapped(uint status) { return true; }\n"}, edits);
    }
}

} // namespace d3dcompiler_standin
