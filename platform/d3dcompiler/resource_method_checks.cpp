#include "resource_method_checks.h"
#include "call_shapes.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Components of Load's location: the texel's coordinates, then the mip level
// where the resource has mips
// (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load).
uint32_t LoadLocationComponents(const std::string& type) {
    static const std::map<std::string, uint32_t> kComponents = {
        {"Buffer", 1},           {"Texture1D", 2},        {"Texture1DArray", 3},
        {"Texture2D", 3},        {"Texture2DArray", 4},   {"Texture3D", 4},
        {"Texture2DMS", 2},      {"Texture2DMSArray", 3}, {"RWBuffer", 1},
        {"RWTexture1D", 1},      {"RWTexture1DArray", 2}, {"RWTexture2D", 2},
        {"RWTexture2DArray", 3}, {"RWTexture3D", 3}};
    const auto found = kComponents.find(type);
    return found != kComponents.end() ? found->second : 0;
}

// Resources declared "Texture2D name" or "Texture2D<float4> name": the
// components each one's Load takes.
std::map<std::string, uint32_t> DeclaredResources(const Tokens& tokens) {
    std::map<std::string, uint32_t> resources;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const uint32_t components = LoadLocationComponents(tokens[at].text);
        if (components == 0) {
            continue;
        }
        const size_t name =
            IsToken(tokens, at + 1, "<") ? ClosingBracket(tokens, at + 1) + 1 : at + 1;
        if (IsIdentifier(tokens, name)) {
            resources[tokens[name].text] = components;
        }
    }
    return resources;
}

} // namespace

void CheckResourceLoads(const Tokens& tokens, std::string* errors) {
    std::map<std::string, uint32_t> resources;
    std::map<std::string, std::optional<NumericShape>> declared;
    bool read = false;
    for (size_t at = 2; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "Load" || tokens[at - 1].text != "." ||
            !IsToken(tokens, at + 1, "(")) {
            continue;
        }
        if (!read) {
            resources = DeclaredResources(tokens);
            declared = DeclaredShapes(tokens);
            read = true;
        }
        const auto resource = resources.find(tokens[at - 2].text);
        const auto arguments = CallArguments(tokens, at + 1);
        if (resource == resources.end() || arguments.empty()) {
            continue;
        }
        const std::optional<NumericShape> location =
            ArgumentShape(tokens, arguments[0].first, arguments[0].second, declared);
        if (location && location->components < resource->second) {
            *errors += SourceError(tokens[at],
                                   "'Load': no matching " + std::to_string(arguments.size()) +
                                       " parameter intrinsic method",
                                   "X3013") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
