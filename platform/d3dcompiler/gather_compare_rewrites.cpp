#include "gather_compare_rewrites.h"
#include "call_shapes.h"
#include "resource_declarations.h"

namespace d3dcompiler_standin {

void AddZeroGatherCompareOffsets(const std::string& source, const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits) {
    if (source.find("GatherCmp") == std::string::npos) {
        return;
    }
    const std::map<std::string, DeclaredObject> objects = DeclaredObjects(tokens);
    for (size_t at = 2; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text.rfind("GatherCmp", 0) != 0 || !IsChar(tokens[at - 1], '.') ||
            !IsChar(tokens[at + 1], '(')) {
            continue;
        }
        const auto object = objects.find(tokens[at - 2].text);
        if (object == objects.end() || object->second.array ||
            (object->second.kind != "Texture2D" && object->second.kind != "Texture2DArray") ||
            CallArguments(tokens, at + 1).size() != 3) {
            continue;
        }
        edits->push_back({tokens[ClosingBracket(tokens, at + 1)].offset, 0, ", int2(0, 0)"});
    }
}

} // namespace d3dcompiler_standin
