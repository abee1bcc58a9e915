#include "gather_compare_rewrites.h"
#include "object_method_calls.h"

namespace d3dcompiler_standin {

void AddZeroGatherCompareOffsets(const std::string& source, const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits) {
    if (source.find("GatherCmp") == std::string::npos) {
        return;
    }
    const auto withoutOffset = [](const std::string& method, size_t count) {
        return count == 3 && method.rfind("GatherCmp", 0) == 0;
    };
    ObjectMethodCalls(tokens).ForEach(withoutOffset, [&](const ObjectMethodCall& call) {
        const std::string& kind = call.object->kind;
        if (!call.indexed && !call.object->array &&
            (kind == "Texture2D" || kind == "Texture2DArray")) {
            edits->push_back({tokens[call.close].offset, 0, ", int2(0, 0)"});
        }
    });
}

} // namespace d3dcompiler_standin
